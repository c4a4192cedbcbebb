// SPDX-License-Identifier: GPL-3.0-or-later
// Wires the page to the program (page_bindings.cpp): the program's facts
// (page_facts.h) say which elements to make and by which names to speak to
// it; events go to C++, which runs the panel's handlers and changes the
// elements through orvathDocument; once per display frame C++ delivers the
// timer's due ticks and hands over the picture to paint when it changed.
'use strict';

const byId = (id) => document.getElementById(id);
// The input inside an option or switch label, or the element itself.
const inputOf = (id) => byId(id).querySelector('input') || byId(id);

window.orvathDocument = {
  // The program's placement and font, which the style sheet uses where the
  // screen keeps the placed layout (page.css).
  place(id, left, top, width, height) {
    const style = byId(id).style;
    style.setProperty('--left', left + 'px');
    style.setProperty('--top', top + 'px');
    style.setProperty('--width', width + 'px');
    style.setProperty('--height', height + 'px');
  },
  font(id, points) {
    byId(id).style.setProperty('--font-size', `calc(${points}pt * var(--fit, 1))`);
    fitTexts();
  },
  text(id, text) { byId(id).textContent = text; },
  value(id, value) { byId(id).value = String(value); },
  range(id, min, max) { Object.assign(byId(id), { min, max }); },
  checked(id, checked) {
    // A button that is on or off tells it as pressed.
    if (byId(id).tagName === 'BUTTON') byId(id).setAttribute('aria-pressed', String(checked));
    else inputOf(id).checked = checked;
  },
  enabled(id, enabled) { inputOf(id).disabled = !enabled; },
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
  valueText(id, text) { byId(id).setAttribute('aria-valuetext', text); },
  choice(id, command) { byId(id).value = command; },
  themeScale(scale) {
    document.body.style.setProperty('--theme-scale', String(scale));
    fitTexts();
  },
  announce(text) {
    // A new node each time, so that the same words are said again.
    byId(announcerId).replaceChildren(Object.assign(document.createElement('p'),
      { textContent: text }));
  },
};

let announcerId = '';
let leastFontPx = Infinity;  // the program's least panel font in CSS pixels, once known
const fitOf = (element) => Number(element.style.getPropertyValue('--fit') || 1);
const setFit = (elements, fit) => {
  for (const element of elements) element.style.setProperty('--fit', String(fit));
};
// Steps the elements' fit down together from the least of theirs, until
// `fits()` or `least`.
function shrinkTogether(elements, fits, least) {
  for (let fit = Math.min(...elements.map(fitOf)); !fits() && fit > least; ) {
    fit = Math.max(fit - 0.05, least);
    setFit(elements, fit);
  }
}
// As in the window, a control's text too wide or tall for its place (a
// longer language's, a larger theme's, a field's placeholder) shrinks until
// it fits, never below the least font. In the strip for fingers (page.css)
// the place also ends at the strip's edge.
function fitTexts() {
  const panel = byId('panel');
  const controls = [...panel.children].filter((e) => e.getClientRects().length);
  for (const control of controls) control.style.removeProperty('--fit');
  const style = getComputedStyle(panel);
  const strip = style.overflowY === 'auto';
  const slack = strip ? 1 : 0;
  const right = panel.getBoundingClientRect().left + panel.clientWidth - parseFloat(style.paddingRight);
  const measurer = document.createElement('canvas').getContext('2d');
  const fitting = (control) => {
    if (strip && control.getBoundingClientRect().right > right + 1) return false;
    if (!control.placeholder) {
      return control.scrollWidth <= control.clientWidth + slack &&
        control.scrollHeight <= control.clientHeight + slack;
    }
    const own = getComputedStyle(control);
    measurer.font = own.font;
    return measurer.measureText(control.placeholder).width <=
      control.clientWidth - parseFloat(own.paddingLeft) - parseFloat(own.paddingRight);
  };
  // Read at once, so that the page is laid out once, not once a control.
  for (const control of controls.filter((e) => !fitting(e))) {
    const least = Math.min(1, leastFontPx / parseFloat(getComputedStyle(control).fontSize));
    shrinkTogether([control], () => fitting(control), least);
  }
  // In the strip, the options and switches of one row share one size.
  if (strip) {
    const rows = new Map();
    for (const e of controls.filter((c) => c.classList.contains('option'))) {
      const box = e.getBoundingClientRect();
      const middle = Math.round((box.top + box.bottom) / 2);
      rows.set(middle, [...(rows.get(middle) ?? []), e]);
    }
    for (const row of rows.values()) {
      const fit = Math.min(...row.map(fitOf));
      if (fit < 1) setFit(row, fit);
    }
  }
  fitLabelsTogether();
}

// The captions' boxes overlap where the program places them: as in the
// window, they shrink by one factor until no caption's text runs into
// another's, never below the least font.
function fitLabelsTogether() {
  const labels = [...document.querySelectorAll('#panel > .label')];
  const unfitted = labels.map((e) => parseFloat(getComputedStyle(e).fontSize) / fitOf(e));
  const least = Math.min(1, leastFontPx / Math.max(...unfitted));
  const texts = () => labels.map((e) => {
    const range = document.createRange();
    range.selectNodeContents(e);
    return range.getBoundingClientRect();
  }).filter((r) => r.width > 0);
  const clash = () => texts().some((a, i, all) => all.slice(i + 1).some((b) =>
    a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom));
  shrinkTogether(labels, () => !clash(), least);
}

// The page's own controls, placed as wide as their texts beside the panel's.
const ownKind = (kind, action) => ['switch', 'chooser', 'field', 'status'].includes(kind) ||
  (kind === 'button' && action !== 'click');

// The panel's elements and the page's own, in the program's order, each with
// the text the program writes on it.
function buildPage(facts) {
  document.title = facts.title;
  const canvas = Object.assign(document.createElement('canvas'), { id: facts.picture });
  canvas.setAttribute('role', 'img');
  document.body.prepend(canvas);
  const panel = byId('panel');
  for (const { id, kind, text, action, strip } of facts.elements) {
    let element;
    if (kind === 'bar') {
      element = Object.assign(document.createElement('input'), { type: 'range' });
    } else if (kind === 'label') {
      element = Object.assign(document.createElement('div'), { className: 'label' });
    } else if (kind === 'option' || kind === 'switch') {
      element = Object.assign(document.createElement('label'), { className: 'option' });
      const input = Object.assign(document.createElement('input'),
        { type: kind === 'option' ? 'radio' : 'checkbox', name: kind === 'option' ? 'mode' : '' });
      element.append(input, text);
    } else if (kind === 'button') {
      // The panel's buttons, "TIMER" and "STOP TIMER", go side by side in a strip.
      element = Object.assign(document.createElement('button'),
        { type: 'button', textContent: text, className: action === 'click' ? 'timer' : '' });
    } else if (kind === 'field') {
      element = Object.assign(document.createElement('input'),
        { type: 'text', inputMode: 'decimal', autocomplete: 'off', spellcheck: false, size: 6,
          placeholder: text });
    } else if (kind === 'status') {
      element = Object.assign(document.createElement('div'), { className: 'status' });
    } else if (kind === 'chooser') {
      element = document.createElement('select');
      const none = Object.assign(document.createElement('option'),
        { value: '', disabled: true, hidden: true, textContent: '\u2014' });
      element.append(none, ...facts.menu.filter((item) => item.group === action).map((item) =>
        Object.assign(document.createElement('option'), { value: item.command, textContent: item.text })));
    } else {
      throw new Error('orvath: an element of unknown kind ' + kind);
    }
    element.id = id;
    element.dataset.strip = strip;
    // The page's own controls keep their size in every theme: they must
    // fit beside the panel's.
    if (ownKind(kind, action)) {
      element.style.setProperty('--theme-scale', '1');
    }
    panel.append(element);
  }
  // The language chooser, each language by its own name; a choice opens the
  // page again in it, with every setting shown now.
  const languages = Object.assign(document.createElement('select'), { id: 'Language' });
  languages.setAttribute('aria-label', facts.texts.language);
  languages.title = facts.texts.language;
  for (const { code, name } of facts.languages) {
    languages.append(Object.assign(document.createElement('option'),
      { value: code, textContent: name, selected: code === facts.language }));
  }
  document.body.append(languages);
  announcerId = facts.announcer;
  const announcer = Object.assign(document.createElement('div'),
    { id: facts.announcer, className: 'spoken' });
  announcer.setAttribute('aria-live', 'polite');
  announcer.setAttribute('role', 'status');
  document.body.append(announcer);
  byId('information').setAttribute('aria-label', facts.texts.information);
  byId('notes').setAttribute('aria-label', facts.texts.notes);
  byId('CloseNotes').textContent = facts.texts.close;
  return canvas;
}

// Where the panel is a strip for fingers (page.css) and too short for every
// control, a strip beside the picture first widens, a step at a time, while
// the picture keeps most of the window (a longer language's buttons then
// share rows); still too short, it keeps what a lesson runs on and leaves
// the rest to the menu.
const stripSteps = { px: 40, count: 3, largestShare: 0.45 };
function fitStrip() {
  const panel = byId('panel');
  panel.classList.remove('short');
  panel.style.removeProperty('width');
  fitTexts();
  const overflows = () => panel.scrollHeight > panel.clientHeight;
  if (getComputedStyle(panel).overflowY !== 'auto' || !overflows()) return;
  if (!matchMedia('(orientation: portrait)').matches) {
    const base = panel.getBoundingClientRect().width;
    for (let step = 1; step <= stripSteps.count; step++) {
      const width = base + step * stripSteps.px;
      if (width > stripSteps.largestShare * window.innerWidth) break;
      panel.style.width = width + 'px';
      fitTexts();
      if (!overflows()) return;
    }
    panel.style.removeProperty('width');
  }
  panel.classList.add('short');
  fitTexts();
}

// A finger or a pen held on a control shows its tooltip, as a mouse resting
// on it does.
function holdForTooltips(panel) {
  const tip = Object.assign(document.createElement('div'), { id: 'tooltip', hidden: true });
  tip.setAttribute('role', 'tooltip');
  document.body.append(tip);
  let timer = 0;
  const hide = () => { clearTimeout(timer); setTimeout(() => { tip.hidden = true; }, 1500); };
  panel.addEventListener('pointerdown', (event) => {
    const control = event.target.closest('[title]');
    if (event.pointerType === 'mouse' || !control) return;
    clearTimeout(timer);
    timer = setTimeout(() => {
      tip.textContent = control.title;
      tip.hidden = false;
      const box = control.getBoundingClientRect();
      const left = Math.min(box.left, window.innerWidth - tip.offsetWidth - 4);
      const below = box.bottom + 4 + tip.offsetHeight <= window.innerHeight;
      Object.assign(tip.style, {
        left: Math.max(4, left) + 'px',
        top: (below ? box.bottom + 4 : Math.max(4, box.top - 4 - tip.offsetHeight)) + 'px',
      });
    }, 500);
  });
  for (const type of ['pointerup', 'pointercancel']) panel.addEventListener(type, hide);
}

// The WebAssembly, inline in the page as base64; its data block is dropped
// once read.
function inlineWasm() {
  const block = byId('wasm');
  const text = block.textContent;
  block.remove();
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const raw = atob(text);
  const bytes = new Uint8Array(raw.length);
  for (let i = 0; i < raw.length; i++) bytes[i] = raw.charCodeAt(i);
  return bytes;
}

// The reader's decimal separator. The browser's first use of its number
// formats takes a while, so it is read while the WebAssembly compiles.
let readersPoint = '';
const decimalPoint = () => (readersPoint ||= (1.5).toLocaleString().charAt(1));
setTimeout(decimalPoint);

createOrvath({ wasmBinary: inlineWasm() }).then((m) => {
  // Strings go through the heap, which grows as needed: the stack, where
  // ccall would put them, holds a few megabytes only.
  const call = (name, ...args) => {
    const held = [];
    try {
      const values = args.map((a) => {
        if (typeof a !== 'string') return a;
        const size = m.lengthBytesUTF8(a) + 1;
        const at = m._malloc(size);
        if (!at) throw new Error('orvath: no memory for a text of ' + size + ' bytes');
        held.push(at);
        m.stringToUTF8(a, at, size);
        return at;
      });
      return m['_' + name](...values);
    } finally {
      held.forEach((at) => m._free(at));
    }
  };
  const text = (name) => m.ccall(name, 'string', [], []);
  // The language first: every text of the facts is written in it.
  call('orvath_choose_language', location.hash || location.search,
    (navigator.languages || [navigator.language || '']).join(','));
  call('orvath_decimal_point', decimalPoint());
  const facts = JSON.parse(text('orvath_facts'));
  document.documentElement.lang = facts.language;
  const command = (name) => {
    if (!call('orvath_command', name)) throw new Error('orvath: no command ' + name);
  };
  const canvas = buildPage(facts);
  byId('Language').addEventListener('change', () => {
    const pieces = text('orvath_fragment').split('&').filter((p) => p && !p.startsWith('lang='));
    pieces.push('lang=' + byId('Language').value);
    history.replaceState(null, '', location.href.split('#')[0] + '#' + pieces.join('&'));
    location.reload();
  });
  setPictureFacts(facts.tags, facts.recordFields, facts.fonts);
  leastFontPx = facts.leastFontPoints * 96 / 72;
  const ctx = canvas.getContext('2d', { alpha: false });
  let width = 0, height = 0, dpr = 1, resized = false;
  let records = null, texts = [], paints = 0;

  // The canvas fills the window, or what the panel leaves of it where the
  // panel is laid out for the screen.
  function fitCanvas() {
    width = Math.max(1, canvas.clientWidth);
    height = Math.max(1, canvas.clientHeight);
    dpr = window.devicePixelRatio || 1;
    canvas.width = Math.round(width * dpr);
    canvas.height = Math.round(height * dpr);
    // Where the backing store meets the screen's pixels one to one, the
    // compositor need not filter it: the same pixels in half the time.
    const box = canvas.getBoundingClientRect();
    const oneToOne = canvas.width === box.width * dpr && canvas.height === box.height * dpr;
    canvas.style.imageRendering = oneToOne ? 'pixelated' : '';
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
    const handles = m._orvath_handles();
    if (handles > 0) {
      const at = m._orvath_handle_records() >> 2;
      paintHandles(ctx, m.HEAPF32.subarray(at, at + handles));
    }
    m._orvath_painted(performance.now() - begun);
    paints++;
  }

  // The hands on the picture: every pointer event goes to the program in
  // CSS pixels of the picture; moves wait for the next display frame, the
  // latest of each pointer only, and go before any other event of it.
  const pendingMoves = new Map();
  const pointerCall = (type, event) => {
    const box = canvas.getBoundingClientRect();
    const cursor = m.UTF8ToString(call('orvath_pointer', facts.pointerActions[type],
      event.pointerId, event.clientX - box.left, event.clientY - box.top,
      facts.pointerKinds[event.pointerType] ?? facts.pointerKinds.mouse));
    if (canvas.style.cursor !== cursor) canvas.style.cursor = cursor;
  };
  const flushMoves = () => {
    for (const event of pendingMoves.values()) pointerCall('pointermove', event);
    pendingMoves.clear();
  };
  canvas.addEventListener('pointerdown', (event) => {
    if (event.pointerType === 'mouse' && event.button !== 0) return;
    event.preventDefault();
    canvas.setPointerCapture(event.pointerId);
    flushMoves();
    pointerCall('pointerdown', event);
  });
  canvas.addEventListener('pointermove', (event) => { pendingMoves.set(event.pointerId, event); });
  for (const type of ['pointerup', 'pointercancel']) {
    canvas.addEventListener(type, (event) => {
      if (event.pointerType === 'mouse' && type === 'pointerup' && event.button !== 0) return;
      flushMoves();
      pointerCall(type, event);
    });
  }
  // A pointer taken away without its up (the page hidden, the window left)
  // lets go as well; one that was let go already is not held.
  canvas.addEventListener('lostpointercapture', (event) => pointerCall('pointercancel', event));
  canvas.addEventListener('wheel', (event) => {
    event.preventDefault();
    const perNotch = [100, 3, 1][event.deltaMode] ?? 100;
    const box = canvas.getBoundingClientRect();
    call('orvath_wheel', -event.deltaY / perNotch, event.clientX - box.left,
      event.clientY - box.top);
  }, { passive: false });

  // Bars being dragged and where they are now, moved once per display frame.
  const draggedBars = new Map();

  function frame() {
    requestAnimationFrame(frame);
    for (const [id, barValue] of draggedBars) call('orvath_move_bar', id, barValue);
    draggedBars.clear();
    flushMoves();
    if (resized) {
      resized = false;
      fitStrip();
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
    const button = byId(copyLinkId);
    const caption = button.textContent;
    const done = () => { button.textContent = facts.linkCopied; };
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
    setTimeout(() => { button.textContent = caption; }, 1500);
  }

  function copyPicture() {
    if (navigator.clipboard && window.ClipboardItem) {
      navigator.clipboard.write([new ClipboardItem({ 'image/png': pictureBlob() })])
        .catch((error) => console.warn('orvath: the picture was not copied: ' + error));
    }
  }

  // The run as an animated GIF, frame by frame, painted here as the page
  // paints, written by the program, behind a box with the progress and a
  // cancel button; a failed or cancelled save downloads nothing.
  let saving = null;
  const frameOf = (done, all) =>
    facts.texts.frameOf.replace('%1', String(done)).replace('%2', String(all));
  function saveGif() {
    if (saving) return;
    const frames = call('orvath_gif_open');
    if (!frames) return;
    const w = m._orvath_gif_width(), h = m._orvath_gif_height();
    const image = Object.assign(document.createElement('canvas'), { width: w, height: h });
    const context = image.getContext('2d', { alpha: false, willReadFrequently: true });
    const box = Object.assign(document.createElement('div'), { id: 'saving' });
    box.setAttribute('role', 'dialog');
    box.setAttribute('aria-label', facts.texts.saving);
    const status = document.createElement('p');
    const bar = Object.assign(document.createElement('progress'), { max: frames, value: 0 });
    bar.setAttribute('aria-label', facts.texts.framesSaved);
    const cancel = Object.assign(document.createElement('button'),
      { type: 'button', id: 'CancelGif', textContent: facts.texts.cancel });
    box.append(status, bar, cancel);
    document.body.append(box);
    const focusBefore = document.activeElement;
    cancel.focus();
    saving = { cancelled: false };
    const end = () => {
      m._orvath_gif_close();
      box.remove();
      saving = null;
      focusBefore?.focus();
    };
    cancel.addEventListener('click', () => { saving.cancelled = true; });
    box.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') saving.cancelled = true;
      event.stopPropagation();
    });
    let done = 0;
    const step = () => {
      if (saving.cancelled) { end(); return; }
      const begun = performance.now();
      while (done < frames && performance.now() - begun < 30) {
        const count = m._orvath_gif_pack();
        const at = m._orvath_records() >> 2;
        const frameTexts = m.UTF8ToString(m._orvath_texts()).split('\n');
        paintPicture(context, m.HEAPF32.subarray(at, at + count), count, frameTexts, w, h);
        const pixels = context.getImageData(0, 0, w, h).data;
        m.HEAPU8.set(pixels, m._orvath_gif_pixels());
        if (!m._orvath_gif_add()) { end(); return; }
        done++;
      }
      bar.value = done;
      status.textContent = frameOf(done, frames);
      if (done < frames) { setTimeout(step, 0); return; }
      const size = m._orvath_gif_finish();
      if (size) {
        const at = m._orvath_gif_bytes();
        download('orvath.gif', new Blob([m.HEAPU8.slice(at, at + size)], { type: 'image/gif' }));
      }
      end();
    };
    status.textContent = frameOf(0, frames);
    setTimeout(step, 0);
  }

  // What the page's script does itself; every other command is the program's.
  const menu = createMenu(facts.menu, facts.texts.menu, (name) => run(name),
    () => text('orvath_checked').split('\n').filter(Boolean));
  const openMenu = () => {
    const box = byId(menuButtonId).getBoundingClientRect();
    menu.open(box.left, box.bottom);
  };
  // The answer to the mystery medium goes to the program as typed.
  const guessField = byId(facts.elements.find((e) => e.kind === 'field').id);
  const actions = {
    savePng, saveSvg, copyLink, copyPicture, menu: openMenu,
    saveGif,
    guess: () => command(facts.guessCommand + guessField.value),
    notes: () => byId('notes').showModal(),
    focusGuess: () => { if (!guessField.disabled) { guessField.focus(); guessField.select(); } },
  };
  const run = (name) => (actions[name] ? actions[name]() : command(name));
  const copyLinkId = facts.elements.find((e) => e.action === 'copyLink').id;
  const menuButtonId = facts.elements.find((e) => e.action === 'menu').id;
  for (const { id, kind, action } of facts.elements) {
    if (kind === 'bar') {
      // While dragged, the bar's value goes to the program once a frame.
      byId(id).addEventListener('input', () => draggedBars.set(id, Number(byId(id).value)));
      byId(id).addEventListener('change', () => {
        draggedBars.delete(id);
        call('orvath_move_bar', id, Number(byId(id).value));
      });
      byId(id).addEventListener('keydown', (event) => {
        if (event.altKey || event.ctrlKey || event.metaKey) return;
        if (call('orvath_bar_key', id, event.key)) event.preventDefault();
      });
    } else if (kind === 'option') {
      inputOf(id).addEventListener('change', () => call('orvath_click', id));
    } else if (kind === 'switch') {
      inputOf(id).addEventListener('change', () => command(action));
    } else if (kind === 'field') {
      byId(id).addEventListener('keydown', (event) => {
        if (event.key !== 'Enter') return;
        event.preventDefault();
        run(action);
      });
    } else if (kind === 'chooser') {
      byId(id).addEventListener('change', () => { if (byId(id).value) command(byId(id).value); });
    } else if (kind === 'button' && action === 'click') {
      byId(id).addEventListener('click', () => call('orvath_click', id));
    } else if (kind === 'button') {
      byId(id).addEventListener('click', () => run(action));
    }
  }
  canvas.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    menu.open(event.clientX, event.clientY);
  });

  // The window's shortcuts, wherever the focus is, as the menu lists them.
  const shortcuts = {};
  for (const item of facts.menu) {
    for (const binding of item.bindings) shortcuts[binding] = item.command;
  }
  // The names a key press goes by (see page_actions.h).
  function keyNames(event) {
    const ctrl = event.ctrlKey ? 'Ctrl+' : '';
    const key = event.key;
    const names = [];
    // A key that Shift changes goes by its unshifted character first.
    const unshifted = { Period: '.', Comma: ',' }[event.code];
    if (event.shiftKey && unshifted) names.push(ctrl + 'Shift+' + unshifted);
    if (key.length === 1) {
      const shifted = event.shiftKey && key.toLowerCase() !== key.toUpperCase();
      names.push(ctrl + (shifted ? 'Shift+' : '') + key.toLowerCase());
    } else {
      names.push(ctrl + (event.shiftKey ? 'Shift+' : '') + key);
    }
    if (event.ctrlKey && /^Digit[0-9]$/.test(event.code)) names.push(ctrl + event.code.slice(5));
    return names;
  }
  document.addEventListener('keydown', (event) => {
    if (event.altKey || event.metaKey || menu.isOpen() || saving || byId('notes').open) return;
    // What is typed into a field stays there; only the F keys still work.
    if (event.target.matches?.('input[type=text]') && !/^F[0-9]+$/.test(event.key)) return;
    const name = keyNames(event).find((n) => shortcuts[n]);
    if (!name) return;
    // Space on a focused switch, option or button works that control.
    if (event.key === ' ' && event.target.matches?.('input[type=checkbox], input[type=radio], button')) return;
    // A chooser takes its own letters and digits; a selected text is copied.
    if (event.target.tagName === 'SELECT' && name.length === 1 && name !== ' ') return;
    if (name === 'Ctrl+c' && String(getSelection()) !== '') return;
    event.preventDefault();
    run(shortcuts[name]);
  });

  window.addEventListener('resize', () => { resized = true; });
  new ResizeObserver(() => { resized = true; }).observe(canvas);
  holdForTooltips(byId('panel'));
  window.addEventListener('hashchange', () => {
    call('orvath_start', width, height, location.hash);
  });
  // The --stats figures, and every paint counted.
  window.orvathStats = () => ({ ...JSON.parse(text('orvath_stats')), paints });
  window.orvathTimeRedraws = (count) => m._orvath_time_redraws(count);
  window.orvathView = () => JSON.parse(text('orvath_view'));
  window.orvathHandles = () => {
    const count = m._orvath_handles();
    const at = m._orvath_handle_records() >> 2;
    return Array.from(m.HEAPF32.subarray(at, at + count));
  };

  // Every width set before any is read: the page is laid out once, not once
  // an element.
  const own = facts.elements.filter(({ kind, action }) => ownKind(kind, action));
  for (const { id } of own) byId(id).style.width = 'max-content';
  const widths = own.map(({ id }) => Math.ceil(byId(id).getBoundingClientRect().width));
  // Placed, they are as wide as the program places them; in the strip, as its cells.
  for (const { id } of own) byId(id).style.removeProperty('width');
  own.forEach(({ id }, i) => call('orvath_natural_width', id, widths[i]));
  fitCanvas();
  call('orvath_start', width, height, location.hash || location.search);
  byId('panel').className = 'placed';
  // The captions are written now; a strip made shorter resizes the picture.
  fitStrip();
  paint(true);
  requestAnimationFrame(frame);
  // Served from the folder with the manifest: kept for offline use.
  if (document.querySelector('link[rel=manifest]') && 'serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js')
      .catch((error) => console.warn('orvath: not kept for offline use: ' + error));
  }
});
