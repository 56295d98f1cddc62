// The boxes of the page as the core's fields: each is the element whose id is
// the field's name.
mergeInto(LibraryManager.library, {
  parabolix_page_text: (id, idLength) =>
    allocateUTF8(document.getElementById(UTF8ToString(id, idLength)).value),
  parabolix_page_set_text: (id, idLength, text, length) => {
    document.getElementById(UTF8ToString(id, idLength)).value = UTF8ToString(text, length);
  },
});
