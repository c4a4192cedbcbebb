// SPDX-License-Identifier: GPL-3.0-or-later
// The page's menu of every action with its keys (page_actions.h), opened by
// its button, Shift+F10, the Menu key or a right click on the picture, and
// worked by mouse, touch or keyboard as a menu is: arrows, Home, End, Enter
// or Space, Escape.
'use strict';

// items: the program's menu; name: what the menu is called; run(command)
// does an item; checked() gives the commands checked now.
function createMenu(items, name, run, checked) {
  const menu = Object.assign(document.createElement('div'), { id: 'menu', hidden: true });
  menu.setAttribute('role', 'menu');
  menu.setAttribute('aria-label', name);
  let returnTo = null;
  const entries = items.map((item) => {
    const entry = Object.assign(document.createElement('div'), { className: 'item', tabIndex: -1 });
    const role = item.group === 'speed' || item.group === 'medium' ? 'menuitemradio'
      : item.group ? 'menuitemcheckbox' : 'menuitem';
    entry.setAttribute('role', role);
    entry.dataset.command = item.command;
    // Its name is the action; the key is told as its shortcut.
    entry.setAttribute('aria-label', item.text);
    entry.append(Object.assign(document.createElement('span'), { textContent: item.text }),
      Object.assign(document.createElement('kbd'), { textContent: item.keys }));
    if (item.keys) entry.setAttribute('aria-keyshortcuts', item.keys.split(', ')[0].replace('Ctrl', 'Control'));
    entry.addEventListener('click', () => { close(); run(item.command); });
    return entry;
  });
  menu.append(...entries);
  document.body.append(menu);

  const focusAt = (index) => entries[(index + entries.length) % entries.length].focus();
  menu.addEventListener('keydown', (event) => {
    const at = entries.indexOf(document.activeElement);
    const moves = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: entries.length - 1 };
    if (event.key in moves) focusAt(moves[event.key]);
    else if (event.key === 'Enter' || event.key === ' ') document.activeElement.click();
    else if (event.key === 'Escape' || event.key === 'Tab') close();
    else return;
    event.preventDefault();
    event.stopPropagation();
  });
  document.addEventListener('pointerdown', (event) => {
    if (!menu.hidden && !menu.contains(event.target)) close();
  }, true);

  function close() {
    if (menu.hidden) return;
    menu.hidden = true;
    returnTo?.focus();
  }
  // Opens the menu at a point of the page, kept inside it.
  function open(x, y) {
    const on = new Set(checked());
    for (const entry of entries) {
      if (entry.getAttribute('role') !== 'menuitem') {
        entry.setAttribute('aria-checked', String(on.has(entry.dataset.command)));
      }
    }
    returnTo = document.activeElement;
    menu.hidden = false;
    const { width, height } = menu.getBoundingClientRect();
    menu.style.left = Math.max(0, Math.min(x, window.innerWidth - width)) + 'px';
    menu.style.top = Math.max(0, Math.min(y, window.innerHeight - height)) + 'px';
    focusAt(0);
  }
  return { open, close, isOpen: () => !menu.hidden };
}
