// The boxes of the page as the core's fields: each is the element whose id is
// the field's name. (This emscripten takes library functions written with the
// function keyword only.)
mergeInto(LibraryManager.library, {
  parabolix_page_text: function (id, idLength) {
    return allocateUTF8(document.getElementById(UTF8ToString(id, idLength)).value);
  },
  parabolix_page_set_text: function (id, idLength, text, length) {
    document.getElementById(UTF8ToString(id, idLength)).value = UTF8ToString(text, length);
  },
});
