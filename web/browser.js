// What both of the site's pages, the riddle's and the worksheet's, take from
// the browser and do with it alike: its language's decimal separator, and
// the loading of the core, with what a page says where that fails.
'use strict';

const byId = (id) => document.getElementById(id);

// The decimal separator of the browser's language: a comma for Polish. The
// core still checks that a number can carry it. A language Intl rejects (a
// browser started with no locale reports "C") gives the period.
function browserDecimalSeparator() {
  try {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(0.5);
    const decimal = parts.find((part) => part.type === 'decimal');
    return decimal ? decimal.value : '.';
  } catch {
    return '.';
  }
}

// Says in `where` that the program could not load, and what to do: a page
// opened from a folder may not fetch its core in most browsers, and the site
// holds `single`, one file with the core inside, for that.
function fail(where, single) {
  const failure = document.createElement('p');
  failure.className = 'failure';
  failure.setAttribute('role', 'alert');
  failure.textContent = location.protocol === 'file:'
    ? `Otwarta z folderu strona nie może wczytać programu. Otwórz plik ${single}.`
    : 'Nie udało się wczytać programu Parabolix. Odśwież stronę, a jeśli to nie pomoże, spróbuj w innej przeglądarce.';
  where.replaceChildren(failure);
}

// Loads the core, once its script, the page's last, has run, and starts the
// page with it and the separator, which is asked for only then: the
// browser's first use of its language's formats takes it tens of
// milliseconds, and the page shows before. A failing start is a failure too.
function load(start, where, single) {
  addEventListener('DOMContentLoaded', () => {
    if (typeof ParabolixCore !== 'function') {
      fail(where, single);
      return;
    }
    ParabolixCore().then((core) => start(core, browserDecimalSeparator())).catch(() => fail(where, single));
  });
}
