// SPDX-License-Identifier: GPL-3.0-or-later
// Wires the page to the program (page_bindings.cpp): events go to C++, which
// runs the panel's handlers and changes the elements through orvathDocument;
// once per display frame C++ delivers the timer's due ticks and hands over the
// picture to paint when it changed.
'use strict';

const byId = (id) => document.getElementById(id);
// The input inside an option or switch label, or the element itself.
const inputOf = (id) => byId(id).querySelector('input') || byId(id);

window.orvathDocument = {
  place(id, left, top, width, height) {
    Object.assign(byId(id).style,
      { left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px' });
  },
  font(id, points) { byId(id).style.fontSize = points + 'pt'; },
  text(id, text) { byId(id).textContent = text; },
  value(id, value) { byId(id).value = String(value); },
  range(id, min, max) { Object.assign(byId(id), { min, max }); },
  checked(id, checked) { inputOf(id).checked = checked; },
  describe(id, name, toolTip, description) {
    if (toolTip) byId(id).title = toolTip;
    inputOf(id).setAttribute('aria-label', name);
    if (description) inputOf(id).setAttribute('aria-description', description);
  },
  description(id, text) { inputOf(id).setAttribute('aria-description', text); },
  information(text) {
    byId('information').textContent = text;
    byId('information').hidden = text === '';
  },
};

// Keys that move a focused bar, as BarKey values (page.h).
const BarKeys = {
  ArrowRight: 0, ArrowUp: 0, ArrowLeft: 1, ArrowDown: 1, PageUp: 2, PageDown: 3, Home: 4, End: 5,
};
const Bars = ['prosptosis', 'xronos', 'arithkyMATON', 'N_REFR'];
// orvath_command's numbers.
const Command = { View: 0, Reflection: 1, Information: 2, Timer: 3, Reset: 4 };

createOrvath().then((m) => {
  const call = (name, ...args) =>
    m.ccall(name, null, args.map((a) => (typeof a === 'string' ? 'string' : 'number')), args);
  const text = (name) => m.ccall(name, 'string', [], []);
  const canvas = byId('picture');
  const ctx = canvas.getContext('2d', { alpha: false });
  let width = 0, height = 0, dpr = 1, resized = false;
  let records = null, texts = [], paints = 0;

  function fitCanvas() {
    width = window.innerWidth;
    height = window.innerHeight;
    dpr = window.devicePixelRatio || 1;
    canvas.width = Math.round(width * dpr);
    canvas.height = Math.round(height * dpr);
  }

  function paint(force) {
    const count = m._orvath_pack();
    if (count >= 0) {
      const at = m._orvath_records() >> 2;
      records = m.HEAPF32.slice(at, at + count);
      texts = m.UTF8ToString(m._orvath_texts()).split('\n');
    } else if (!force) {
      return;
    }
    const begun = performance.now();
    ctx.setTransform(dpr, 0, 0, dpr, 0, 0);
    paintPicture(ctx, records, records.length, texts, width, height);
    m._orvath_painted(performance.now() - begun);
    paints++;
  }

  function frame() {
    requestAnimationFrame(frame);
    if (resized) {
      resized = false;
      fitCanvas();
      m._orvath_resize(width, height);
      paint(true);
    }
    m._orvath_frame();
    paint(false);
  }

  function download(name, blob) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  // The picture at the window's size in CSS pixels, as the desktop saves it.
  function pictureBlob() {
    const image = document.createElement('canvas');
    Object.assign(image, { width, height });
    paintPicture(image.getContext('2d', { alpha: false }), records, records.length, texts,
      width, height);
    return new Promise((resolve) => image.toBlob(resolve, 'image/png'));
  }

  const savePng = () => pictureBlob().then((blob) => download('orvath.png', blob));
  const saveSvg = () =>
    download('orvath.svg', new Blob([text('orvath_svg')], { type: 'image/svg+xml' }));

  function copyLink() {
    const link = location.href.split('#')[0] + '#' + text('orvath_fragment');
    history.replaceState(null, '', link);
    const done = () => { byId('CopyLink').textContent = 'LINK COPIED'; };
    const fallBack = () => {
      const field = Object.assign(document.createElement('textarea'), { value: link });
      document.body.append(field);
      field.select();
      document.execCommand('copy');
      field.remove();
      done();
    };
    if (navigator.clipboard) navigator.clipboard.writeText(link).then(done, fallBack);
    else fallBack();
    setTimeout(() => { byId('CopyLink').textContent = 'COPY LINK'; }, 1500);
  }

  function copyPicture() {
    if (navigator.clipboard && window.ClipboardItem) {
      navigator.clipboard.write([new ClipboardItem({ 'image/png': pictureBlob() })])
        .catch((error) => console.warn('orvath: the picture was not copied: ' + error));
    }
  }

  for (const id of Bars) {
    byId(id).addEventListener('change', () => call('orvath_move_bar', id, Number(byId(id).value)));
    byId(id).addEventListener('keydown', (event) => {
      const key = BarKeys[event.key];
      if (key === undefined || event.altKey || event.ctrlKey || event.metaKey) return;
      event.preventDefault();
      call('orvath_bar_key', id, key);
    });
  }
  for (const id of ['Option1', 'Option2']) {
    inputOf(id).addEventListener('change', () => call('orvath_click', id));
  }
  for (const id of ['Command1', 'Command2']) {
    byId(id).addEventListener('click', () => call('orvath_click', id));
  }
  inputOf('ExactView').addEventListener('change', () => m._orvath_command(Command.View));
  inputOf('Reflection').addEventListener('change', () => m._orvath_command(Command.Reflection));
  byId('SavePng').addEventListener('click', savePng);
  byId('SaveSvg').addEventListener('click', saveSvg);
  byId('CopyLink').addEventListener('click', copyLink);

  // The window's shortcuts, wherever the focus is.
  const shortcuts = {
    ' ': () => m._orvath_command(Command.Timer),
    F1: () => m._orvath_command(Command.Information),
    e: () => m._orvath_command(Command.View),
    r: () => m._orvath_command(Command.Reflection),
    'Ctrl+r': () => m._orvath_command(Command.Reset),
    'Ctrl+s': savePng,
    'Ctrl+c': copyPicture,
  };
  document.addEventListener('keydown', (event) => {
    if (event.altKey || event.metaKey) return;
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    const action = shortcuts[(event.ctrlKey ? 'Ctrl+' : '') + key];
    if (!action || (event.ctrlKey && key === 'c' && String(getSelection()) !== '')) return;
    event.preventDefault();
    action();
  });

  window.addEventListener('resize', () => { resized = true; });
  window.addEventListener('hashchange', () => {
    call('orvath_start', width, height, location.hash);
  });
  // The --stats figures, and every paint counted.
  window.orvathStats = () => ({ ...JSON.parse(text('orvath_stats')), paints });
  window.orvathTimeRedraws = (count) => m._orvath_time_redraws(count);

  for (const id of ['ExactView', 'Reflection', 'SavePng', 'SaveSvg', 'CopyLink']) {
    byId(id).style.width = 'max-content';
    call('orvath_natural_width', id, Math.ceil(byId(id).getBoundingClientRect().width));
  }
  call('orvath_decimal_point', (1.5).toLocaleString().charAt(1));
  fitCanvas();
  call('orvath_start', width, height, location.hash || location.search);
  byId('panel').className = 'placed';
  paint(true);
  requestAnimationFrame(frame);
});
