// Runs as the page is read, right after the window's markup, before its first frame. With
// script running, the notice under the window says that the calculator is loading, not that
// JavaScript is off. Where this browser can run the program, the window takes typing at
// once, while the program is still on its way (over a slow link, most of the page's bytes):
// what the user does meanwhile is noted, and handed to the program as it takes over.
var veltaroEarly = (() => {
  const notice = document.getElementById('notice');
  const window_ = document.getElementById('Veltaro');
  try {
    // The loader is a module; a policy that refuses WebAssembly refuses this empty one too.
    if (!('noModule' in HTMLScriptElement.prototype)) throw new TypeError('no modules');
    new WebAssembly.Module(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0]));
  } catch (cannotRun) {
    notice.textContent = notice.dataset.refused;
    return null;
  }
  notice.textContent = notice.dataset.loading;
  // The user's events the program listens for: a press of a button, an option chosen, a
  // box's edit once the input method has finished composing it. An option clicked counts as
  // chosen although it shows chosen already: a press of Изчисти before it unchose it.
  const heard = {click: ['button', 'radio'], change: ['radio'], input: ['text'],
                 compositionend: ['text']};
  const done = [];
  const note = event => {
    const {target} = event;
    const kind = target.localName === 'button' ? 'button' : target.type;
    if (!heard[event.type].includes(kind) || event.isComposing) return;
    done.push({target, type: event.type, text: target.value, cursor: target.selectionEnd});
  };
  const types = Object.keys(heard);
  types.forEach(type => window_.addEventListener(type, note, true));
  const stopNoting = () => types.forEach(type => window_.removeEventListener(type, note, true));
  window_.inert = false;
  let focused = null;
  return {
    // Before the program starts: nothing more is noted, and the caret is remembered, as the
    // program's start writes the boxes anew.
    stop: () => {
      stopNoting();
      const {activeElement} = document;
      if (window_.contains(activeElement) && activeElement.localName === 'input' &&
          activeElement.type === 'text') {
        focused = [activeElement, activeElement.selectionStart, activeElement.selectionEnd,
                   activeElement.selectionDirection];
      }
    },
    // Once the program runs: each event again, in order, to the program's own listeners, the
    // box as it was then; the caret back where the user left it.
    handOver: () => {
      stopNoting();
      for (const {target, type, text, cursor} of done) {
        if (target.type === 'radio') {
          target.checked = true;
          target.dispatchEvent(new Event('change'));
          continue;
        }
        if (type !== 'click') {
          target.value = text;
          target.setSelectionRange(cursor, cursor);
        }
        target.dispatchEvent(new Event(type));
      }
      if (focused && document.activeElement === focused[0]) {
        focused[0].setSelectionRange(focused[1], focused[2], focused[3]);
      }
    },
  };
})();
