// The page's glue: the window's three events to the core's operations, the
// browser's decimal separator, the error message, and what a screen reader is
// told. Every rule of the riddle is the core's.
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

// Tells a screen reader `news` without moving the focus. The region is
// emptied first, so that the same news twice is spoken twice.
function announce(news) {
  const notice = byId('notice');
  notice.textContent = '';
  requestAnimationFrame(() => { notice.textContent = news; });
}

// Shows the error of an operation in a modal message; closing it gives the
// focus back to the button that was pressed.
function showError(message, button) {
  const dialog = byId('message');
  byId('messageText').textContent = message;
  dialog.addEventListener('close', () => button.focus(), { once: true });
  dialog.showModal();
}

function start(core) {
  const separator = browserDecimalSeparator();
  // Runs one of the core's operations; returns whether it succeeded.
  const run = (operation, button, ...args) => {
    const error = core.ccall(operation, 'string', args.map(() => 'string'), args);
    if (error) showError(error, button);
    return !error;
  };
  const Command1 = byId('Command1');
  const Command2 = byId('Command2');
  Command1.addEventListener('click', () => {
    if (run('parabolix_solve', Command1, separator)) announce(byId('Text4').value);
  });
  Command2.addEventListener('click', () => {
    if (run('parabolix_draw', Command2)) announce(core.ccall('parabolix_drawn_numbers', 'string'));
  });
  run('parabolix_start', Command1);
  byId('Text1').focus();
  performance.mark('parabolix-ready');
}

function fail() {
  const failure = document.createElement('p');
  failure.className = 'failure';
  failure.setAttribute('role', 'alert');
  failure.textContent = 'Nie udało się wczytać programu Parabolix. Odśwież stronę, a jeśli to nie pomoże, spróbuj w innej przeglądarce.';
  byId('Form1').replaceChildren(failure);
}

if (typeof ParabolixCore === 'function') {
  ParabolixCore().then(start).catch(fail); // a failing start is a failure too
} else {
  fail();
}

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
