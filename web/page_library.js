// The page's side of the program: it finds each of the window's elements by its id for
// every operation, reads and writes them, and hands the user's events to the program. Texts
// cross as UTF-8 (pointer and length in bytes), a box's text as it is held, in UTF-16 units.
// Each operation on an element answers 1 when the element took what it was given, 0 when
// it did not, and -1 when there is no such element.
// Emscripten 3.1.6 keeps the UTF-8 helpers in its runtime; later ones in the library, where a
// function has them only by naming them: name those the library has.
const veltaroUtf8Helpers = ['$UTF8ToString', '$lengthBytesUTF8', '$stringToUTF8']
    .filter(helper => helper in LibraryManager.library);

mergeInto(LibraryManager.library, {
  $veltaroText__deps: veltaroUtf8Helpers,
  $veltaroText: function(pointer, length) {
    return UTF8ToString(pointer, length);
  },

  $veltaroElement__deps: ['$veltaroText'],
  $veltaroElement: function(id, idLength) {
    return document.getElementById(veltaroText(id, idLength));
  },

  // The element that shows a control's caption: an option button's is beside its circle.
  $veltaroCaptionOf: function(element) {
    return element.type === 'radio' ? element.nextElementSibling : element;
  },

  // Where a control's text is: a box's value, a caption.
  $veltaroTextOf__deps: ['$veltaroCaptionOf'],
  $veltaroTextOf: function(element) {
    if ('value' in element && element.type !== 'radio' && element.localName !== 'button') {
      return { get: () => element.value, set: text => { element.value = text; } };
    }
    const holder = veltaroCaptionOf(element);
    return { get: () => holder.textContent, set: text => { holder.textContent = text; } };
  },

  // A text written into a buffer of the program's with room for `capacity` bytes, the
  // terminating zero included; the answer is its length, so that a short buffer is seen.
  $veltaroWriteUtf8__deps: veltaroUtf8Helpers,
  $veltaroWriteUtf8: function(text, buffer, capacity) {
    const length = lengthBytesUTF8(text);
    if (length < capacity) stringToUTF8(text, buffer, capacity);
    return length;
  },

  // The same in UTF-16 units, as they are, a lone half of a pair included.
  $veltaroWriteUnits: function(text, buffer, capacity) {
    if (text.length < capacity) {
      for (let at = 0; at < text.length; ++at) HEAPU16[(buffer >> 1) + at] = text.charCodeAt(at);
    }
    return text.length;
  },

  veltaro_set_style__deps: ['$veltaroText', '$veltaroElement'],
  veltaro_set_style: function(id, idLength, property, propertyLength, value, valueLength) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    element.style.setProperty(veltaroText(property, propertyLength),
                                            veltaroText(value, valueLength));
    return 1;
  },

  veltaro_set_flag__deps: ['$veltaroText', '$veltaroElement'],
  veltaro_set_flag: function(id, idLength, property, propertyLength, on) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    const name = veltaroText(property, propertyLength);
    // As with texts: a flag the page holds already is not written again.
    if (element[name] !== (on !== 0)) element[name] = on !== 0;
    return element[name] === (on !== 0) ? 1 : 0;
  },

  veltaro_set_text__deps: ['$veltaroText', '$veltaroElement', '$veltaroTextOf'],
  veltaro_set_text: function(id, idLength, text, textLength) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    const value = veltaroText(text, textLength);
    const holder = veltaroTextOf(element);
    // The page holds the window's texts already: writing them again would lay it out again.
    if (holder.get() !== value) holder.set(value);
    return holder.get() === value ? 1 : 0;
  },

  veltaro_get_text__deps: ['$veltaroElement', '$veltaroTextOf', '$veltaroWriteUtf8'],
  veltaro_get_text: function(id, idLength, buffer, capacity) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    return veltaroWriteUtf8(veltaroTextOf(element).get(), buffer, capacity);
  },

  veltaro_get_units__deps: ['$veltaroElement', '$veltaroWriteUnits'],
  veltaro_get_units: function(id, idLength, buffer, capacity) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    return veltaroWriteUnits(element.value, buffer, capacity);
  },

  veltaro_utf16__deps: ['$veltaroText', '$veltaroWriteUnits'],
  veltaro_utf16: function(text, textLength, buffer, capacity) {
    return veltaroWriteUnits(veltaroText(text, textLength), buffer, capacity);
  },

  veltaro_cursor__deps: ['$veltaroElement'],
  veltaro_cursor: function(id, idLength) {
    const element = veltaroElement(id, idLength);
    return element ? element.selectionEnd : -1;
  },

  // A box's text and cursor, the cursor as a unit offset.
  veltaro_set_units__deps: ['$veltaroElement'],
  veltaro_set_units: function(id, idLength, units, length, cursor) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    const first = units >> 1;
    element.value = String.fromCharCode.apply(null, HEAPU16.subarray(first, first + length));
    element.setSelectionRange(cursor, cursor);
    return 1;
  },

  // A box's text shown from its start: a long result's sign, the help's first line.
  veltaro_show_start__deps: ['$veltaroElement'],
  veltaro_show_start: function(id, idLength) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    // An empty box shows its start already, and the page need not be laid out to say so.
    if (element.value === '') return 1;
    element.setSelectionRange(0, 0);
    element.scrollLeft = 0;
    element.scrollTop = 0;
    return 1;
  },

  veltaro_focus__deps: ['$veltaroElement'],
  veltaro_focus: function(id, idLength) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    element.focus({preventScroll: true});
    return document.activeElement === element ? 1 : 0;
  },

  veltaro_holds_focus__deps: ['$veltaroElement'],
  veltaro_holds_focus: function(id, idLength) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    return element.contains(document.activeElement) ? 1 : 0;
  },

  // Hands the element's events of that type to the program's page, with the control's place
  // in the layout. A box's edit counts once the input method has finished composing it.
  veltaro_listen__deps: ['$veltaroText', '$veltaroElement'],
  veltaro_listen: function(id, idLength, type, typeLength, page, event, position) {
    const target = veltaroElement(id, idLength);
    if (!target) return -1;
    target.addEventListener(veltaroText(type, typeLength), happening => {
      if (!happening.isComposing) _veltaro_event(page, event, position);
    });
    return 1;
  },

  // Hands on each change that may change how wide the captions are drawn: fonts loaded, and
  // a reader's own spacing of letters and words put on once the page runs (as a tool that
  // tests the spacing does), seen as the page's hidden line of text grows wider. The line
  // is in the page from the start, laid out with it, so that measuring it costs no layout.
  veltaro_listen_text_widths: function(page, event) {
    document.fonts.addEventListener('loadingdone', () => _veltaro_event(page, event, 0));
    const line = document.getElementById('spacing-probe');
    // Measured now, not at the observer's first call: spacing put on in between would
    // otherwise be taken for the page's own.
    let width = line.getBoundingClientRect().width;
    new ResizeObserver(() => {
      const now = line.getBoundingClientRect().width;
      if (now !== width) _veltaro_event(page, event, 0);
      width = now;
    }).observe(line);
  },

  // The width of a control's caption on one line at the point size, in CSS pixels, as the
  // page draws it: in its font and with the spacing of letters and words that the reader's
  // own style may set.
  veltaro_caption_width__deps: ['$veltaroElement', '$veltaroCaptionOf'],
  veltaro_caption_width: function(id, idLength, pointSize) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    const holder = veltaroCaptionOf(element);
    // At the size it is drawn at, on its one line, the caption measures itself.
    if (getComputedStyle(holder).fontSize === `${pointSize * 4 / 3}px`) return holder.scrollWidth;
    const line = document.createElement('span');
    line.textContent = holder.textContent;
    line.style.setProperty('position', 'absolute');
    line.style.setProperty('visibility', 'hidden');
    line.style.setProperty('white-space', 'nowrap');
    line.style.setProperty('font-size', `${pointSize}pt`);
    holder.append(line);
    const width = line.scrollWidth;
    line.remove();
    return width;
  },

  // The width a control's caption has to be drawn in, in CSS pixels.
  veltaro_caption_room__deps: ['$veltaroElement', '$veltaroCaptionOf'],
  veltaro_caption_room: function(id, idLength) {
    const element = veltaroElement(id, idLength);
    return element ? veltaroCaptionOf(element).clientWidth : -1;
  },

  // A caption wider than its room even so (a reader's own wide spacing) runs on past its
  // edge instead of being cut.
  veltaro_set_caption_size__deps: ['$veltaroElement', '$veltaroCaptionOf'],
  veltaro_set_caption_size: function(id, idLength, pointSize) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    const holder = veltaroCaptionOf(element);
    const size = `${pointSize}pt`;
    if (holder.style.getPropertyValue('font-size') !== size) holder.style.setProperty('font-size', size);
    const runsOn = holder.scrollWidth > holder.clientWidth;
    if (runsOn !== (holder.style.getPropertyValue('overflow') === 'visible')) {
      if (runsOn) holder.style.setProperty('overflow', 'visible');
      else holder.style.removeProperty('overflow');
    }
    return 1;
  },

  // A status is read out, whole, as its text changes: the same text again ends in a blank
  // that is not read, or loses it, so that it changes all the same.
  veltaro_announce__deps: ['$veltaroText', '$veltaroElement'],
  veltaro_announce: function(id, idLength, text, textLength) {
    const element = veltaroElement(id, idLength);
    if (!element) return -1;
    const said = veltaroText(text, textLength);
    element.textContent = element.textContent === said ? said + '\u00a0' : said;
    return 1;
  },

  // The decimal separator the browser's first language writes after Latin digits, as a
  // result's digits are: "." where it has none.
  veltaro_decimal_separator__deps: ['$veltaroWriteUtf8'],
  veltaro_decimal_separator: function(buffer, capacity) {
    let separator = '.';
    try {
      const latin = new Intl.NumberFormat(navigator.languages[0], {numberingSystem: 'latn'});
      separator = latin.formatToParts(0.5).find(part => part.type === 'decimal').value;
    } catch (unknownLanguage) {
      // An unknown or malformed language tag: the default stands.
    }
    return veltaroWriteUtf8(separator, buffer, capacity);
  },

  veltaro_language__deps: ['$veltaroWriteUtf8'],
  veltaro_language: function(buffer, capacity) {
    return veltaroWriteUtf8(navigator.languages[0] || '', buffer, capacity);
  },

  // A modal report inside the owner element (the page, where none is named): the focus goes to its button, and back to
  // where it was once the report is dismissed, by the button or by Esc.
  veltaro_report__deps: ['$veltaroText', '$veltaroElement'],
  veltaro_report: function(owner, ownerLength, title, titleLength, message, messageLength,
                           consequence, consequenceLength, button, buttonLength) {
    const parent = veltaroElement(owner, ownerLength) || document.body;
    const returnTo = document.activeElement;
    const dialog = document.createElement('dialog');
    dialog.setAttribute('role', 'alertdialog');
    dialog.setAttribute('aria-labelledby', 'report-title');
    dialog.setAttribute('aria-describedby', 'report-message report-consequence');
    const paragraph = (id, text, length) => {
      const line = document.createElement('p');
      line.id = id;
      line.textContent = veltaroText(text, length);
      return line;
    };
    const close = document.createElement('button');
    close.type = 'button';
    close.textContent = veltaroText(button, buttonLength);
    close.addEventListener('click', () => dialog.close());
    // Orca in Firefox says only the focused button of a dialog that opens, not the dialog:
    // the button is described by the whole report, so every reader hears it with the focus.
    close.setAttribute('aria-describedby', 'report-title report-message report-consequence');
    dialog.append(paragraph('report-title', title, titleLength),
                  paragraph('report-message', message, messageLength),
                  paragraph('report-consequence', consequence, consequenceLength), close);
    dialog.addEventListener('close', () => {
      dialog.remove();
      if (returnTo && returnTo.isConnected) returnTo.focus();
    });
    parent.append(dialog);
    dialog.showModal();
    close.focus();
  },
});
