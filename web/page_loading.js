// Runs as the page is read, as soon as the program's bytes have come: its WebAssembly, which
// the page holds, starts compiling now, away from the page's own work, while the window is
// drawn and takes typing; the loader only has to start it. A browser that
// cannot compile it (none, or refused) leaves the reason for the loader.
var veltaroCompiled = (() => {
  const encoded = '@PROGRAM@';
  // A browser that decodes base64 to bytes itself does it many times faster than a loop.
  const decoded = () => {
    const text = atob(encoded);
    const bytes = new Uint8Array(text.length);
    for (let at = 0; at < text.length; ++at) bytes[at] = text.charCodeAt(at);
    return bytes;
  };
  try {
    return WebAssembly.compile(Uint8Array.fromBase64 ? Uint8Array.fromBase64(encoded) : decoded())
      .then(module => ({module}), reason => ({reason}));
  } catch (reason) {
    return Promise.resolve({reason});
  }
})();
