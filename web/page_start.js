// What the page's program runs first, once the page has been read and drawn (the script
// is a module, so it waits): the window is inert until the program has taken it over, and
// the notice under it says that the calculator is loading. Where the program cannot start
// (no WebAssembly, or one this browser refuses), the notice says so and the window stays
// inert. The program is handed its WebAssembly, which the page holds, instead of fetching
// it; once it runs, a second policy forbids any further script, and the page is told that
// the program runs ('veltaro-running').
var Module = (() => {
  const notice = document.getElementById('notice');
  const text = atob('@PROGRAM@');
  const program = new Uint8Array(text.length);
  for (let at = 0; at < text.length; ++at) program[at] = text.charCodeAt(at);
  return {
    wasmBinary: program,
    onAbort: () => {
      document.getElementById('Veltaro').inert = true;
      notice.textContent = notice.dataset.refused;
      notice.hidden = false;
    },
    postRun: () => {
      const policy = document.createElement('meta');
      policy.httpEquiv = 'Content-Security-Policy';
      policy.content = @LATER_POLICY@;
      document.head.append(policy);
      dispatchEvent(new Event('veltaro-running'));
    },
  };
})();
