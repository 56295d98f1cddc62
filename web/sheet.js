// The worksheet's glue: its address and its controls to the core's sheet,
// and the sheet written out. Every rule of the sheet is the core's;
// browser.js loads the core.
'use strict';

function writeLines(id, lines) {
  byId(id).replaceChildren(...lines.map((line) => Object.assign(document.createElement('p'), { textContent: line })));
}

// The sheet the core gave, with its title in the browser's tab, its settings
// in the controls and its address; or the note alone, the sheet staying.
function showSheet(shown) {
  byId('note').textContent = shown.note;
  const sheet = shown.sheet;
  if (!sheet) return;
  document.title = sheet.title;
  byId('title').textContent = sheet.title;
  writeLines('riddles', sheet.riddles);
  byId('answersTitle').textContent = sheet.answersTitle;
  writeLines('answerLines', sheet.answers);
  byId('count').value = sheet.count;
  byId('number').value = sheet.number;
  history.replaceState(null, '', `#${sheet.fragment}`);
}

function start(core, separator) {
  const call = (event, ...args) => JSON.parse(core.ccall(event, 'string', args.map(() => 'string'), args));
  const open = () => showSheet(call('parabolix_sheet_open', separator, location.hash));
  for (const id of ['count', 'number']) {
    byId(id).addEventListener('input', () =>
      showSheet(call('parabolix_sheet', separator, byId('number').value, byId('count').value)));
  }
  addEventListener('hashchange', open);
  byId('print').addEventListener('click', () => print());
  open();
  // The sheet shows once the core has written it: ready and started at once.
  performance.mark('parabolix-ready');
  performance.mark('parabolix-started');
}

load(start, document.querySelector('main'), 'parabolix-karta.html');
