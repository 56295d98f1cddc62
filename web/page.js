// The page's glue: each of its events is one call into the core's session,
// and the page shows what it returns: an error in a modal message, news for
// a screen reader, the plot drawn and played, the lesson, the link. Every
// rule of the riddle is the core's; browser.js loads the core.
'use strict';

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

// The picture: axes, ticks, the axis of symmetry, the curve and the points,
// each where the core placed it, each point drawn with its shape's outline,
// which the page holds by the shape's name.
const SVG = 'http://www.w3.org/2000/svg';

function draw(svg, plot) {
  const add = (name, attributes, text) => {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    if (text !== undefined) element.textContent = text;
    svg.append(element);
  };
  svg.replaceChildren();
  if (plot.axisX !== null) add('path', { class: 'axis', d: `M0 ${plot.axisX}H${plot.width}` });
  if (plot.axisY !== null) add('path', { class: 'axis', d: `M${plot.axisY} 0V${plot.height}` });
  for (const [at, label] of plot.xTicks) {
    add('path', { class: 'axis', d: `M${at} ${plot.xTicksAt - 3}v6` });
    add('text', { x: at, y: plot.xTicksAt + 14, 'text-anchor': 'middle' }, label);
  }
  for (const [at, label] of plot.yTicks) {
    add('path', { class: 'axis', d: `M${plot.yTicksAt - 3} ${at}h6` });
    add('text', { x: plot.yTicksAt - 5, y: at + 4, 'text-anchor': 'end' }, label);
  }
  if (plot.symmetry !== null) add('path', { class: 'symmetry', d: `M${plot.symmetry} 0V${plot.height}` });
  if (plot.curve) add('path', { class: 'curve', d: plot.curve });
  for (const mark of plot.marks) {
    add('use', { class: 'mark', href: `#${mark.shape}`, x: mark.x, y: mark.y });
    if (mark.label) add('text', { class: 'label', x: mark.x + 8, y: mark.y - 8 }, mark.label);
  }
}

// The plot under the picture: its text, its table and the slider's steps.
function showPlot(plot) {
  draw(byId('picture'), plot);
  byId('plotText').textContent = plot.description;
  byId('points').tBodies[0].replaceChildren(...plot.table.map(([point, coordinates]) => {
    const row = document.createElement('tr');
    row.append(Object.assign(document.createElement('th'), { scope: 'row', textContent: point }),
      Object.assign(document.createElement('td'), { textContent: coordinates }));
    return row;
  }));
  const walk = byId('walk');
  walk.max = plot.steps.length - 1;
  walk.value = plot.firstStep;
  walk.oninput = () => {
    walk.setAttribute('aria-valuetext', plot.steps[walk.value]);
    byId('walkText').textContent = plot.steps[walk.value];
  };
  walk.oninput();
  byId('listen').onclick = () => listen(plot);
}

// Plays the core's plan of tones: pitch for height, the ear for the side.
let audio;
function listen(plot) {
  try {
    audio ??= new AudioContext();
    const now = audio.currentTime + 0.05;
    const voice = (start, end) => {
      const oscillator = audio.createOscillator();
      const panner = audio.createStereoPanner();
      const gain = audio.createGain();
      gain.gain.setValueAtTime(0, now + start);
      gain.gain.linearRampToValueAtTime(0.2, now + start + 0.01);
      gain.gain.setValueAtTime(0.2, now + end - 0.01);
      gain.gain.linearRampToValueAtTime(0, now + end);
      oscillator.connect(panner).connect(gain).connect(audio.destination);
      oscillator.start(now + start);
      oscillator.stop(now + end);
      return [oscillator.frequency, panner.pan];
    };
    for (const tone of plot.tones) {
      const [pitch, side] = voice(tone.start, tone.start + tone.duration);
      pitch.value = tone.frequency;
      side.value = tone.pan;
    }
    if (plot.glide.length) {
      const [pitch, side] = voice(0, plot.glide[plot.glide.length - 1].start);
      for (const point of plot.glide) {
        pitch.linearRampToValueAtTime(point.frequency, now + point.start);
        side.linearRampToValueAtTime(point.pan, now + point.start);
      }
    }
  } catch {
    // A browser with no sound to give: the picture and its text still are.
  }
}

// The riddle's link: its address in the box, and in the clipboard where the
// browser lets the page write there (a plain-http school server does not).
function share(link) {
  const address = `${location.href.split('#')[0]}#${link.fragment}`;
  byId('address').value = address;
  Promise.resolve(navigator.clipboard?.writeText(address) ?? Promise.reject())
    .then(() => announce(link.copied), () => announce(link.refused));
}

// Lines of the lesson, each a paragraph, in the element `id`.
function showLines(id, lines) {
  byId(id).replaceChildren(...lines.map((line) => Object.assign(document.createElement('p'), { textContent: line })));
}

const typed = ['Text1', 'Text2', 'Text3'].map(byId);
const answer = ['answera', 'answerb', 'answerc'].map(byId);

// Shows what an event returned; the message of an error gives the focus back
// to `button` when it closes.
function show(shown, button) {
  if (shown.error) showError(shown.error, button);
  if (shown.announcement) announce(shown.announcement);
  if (shown.plot) showPlot(shown.plot);
  for (const part of ['steps', 'forms']) if (shown[part]) showLines(`${part}Text`, shown[part]);
  if (shown.checked) showLines('checked', shown.checked);
  if (shown.newRiddle) {
    for (const box of answer) box.value = '';
    for (const part of ['steps', 'forms']) byId(part).open = false;
  }
  if (shown.note !== null) byId('note').textContent = shown.note;
  if (shown.link) share(shown.link);
}

// One call into the session for each event, once the core has come and
// started it: a button pressed before then acts then.
let begin;
const session = new Promise((resolve) => { begin = resolve; });
const on = (target, type, event, read, button) =>
  target.addEventListener(type, () => session.then((call) => show(call(event, ...read()), button)));
for (const [id, event, read] of [['Command1', 'parabolix_solve', () => []], ['Command2', 'parabolix_draw', () => []],
  ['check', 'parabolix_check', () => answer.map((box) => box.value)], ['share', 'parabolix_share', () => []]]) {
  on(byId(id), 'click', event, read, byId(id));
}
// A link opened in the open page starts it again with its riddle.
on(window, 'hashchange', 'parabolix_open', () => [location.hash], byId('Command1'));
byId('worksheet').addEventListener('click', (event) => location.assign(event.target.dataset.page));

// The focus goes to m once, after the page's first frame or at the core's
// start, whichever comes first: a screen reader meets m with its page drawn.
// The caret stands after the number, as the window's start leaves it.
let focused = false;
const focusM = () => {
  const m = typed[0];
  if (!focused) {
    m.setSelectionRange(m.value.length, m.value.length);
    m.focus();
  }
  focused = true;
};

// The page as built holds its start, made by the core for a Polish pupil,
// and shows it at once; an address with a fragment waits for the core, which
// reads it.
const built = !location.hash;
if (built) {
  show(JSON.parse(byId('start').textContent), byId('Command1'));
  performance.mark('parabolix-ready');
  requestAnimationFrame(() => setTimeout(focusM));
}

function start(core, separator) {
  performance.mark('parabolix-core');
  const call = (event, ...args) => JSON.parse(core.ccall(event, 'string', args.map(() => 'string'), args));
  const before = typed.map((box) => box.value);
  const started = call('parabolix_start', separator, location.hash);
  if (built) {
    // The start shown already: what a pupil typed or opened since stays.
    typed.forEach((box, i) => { box.value = before[i]; });
    started.newRiddle = false;
  }
  show(started, byId('Command1'));
  focusM();
  if (!built) performance.mark('parabolix-ready');
  performance.mark('parabolix-started');
  begin(call);
  // Only now, so that keeping the page for offline use takes nothing from its start.
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

load(start, byId('Form1'), 'parabolix.html');
