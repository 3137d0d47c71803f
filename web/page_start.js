// What the page's program runs first, once the page has been read and drawn (the script
// is a module, so it waits): the window is inert until the program has taken it over, and
// the notice under it says that the calculator is loading. Where the program cannot start
// (no WebAssembly, or one this browser refuses), the notice says so and the window stays
// inert. The program was compiled as the page was read; once it runs, a second policy
// forbids any further script, and the page is told that the program runs
// ('veltaro-running').
var Module = (() => {
  const notice = document.getElementById('notice');
  const refused = () => {
    document.getElementById('Veltaro').inert = true;
    notice.textContent = notice.dataset.refused;
    notice.hidden = false;
  };
  return {
    instantiateWasm: (imports, started) => {
      veltaroCompiled
        .then(({module, reason}) => {
          if (!module) throw reason;
          return WebAssembly.instantiate(module, imports).then(instance => started(instance, module));
        })
        .catch(refused);
      return {};
    },
    // The program lives on after main returns: nothing to end, and no exception thrown to
    // say so.
    quit: () => {},
    onAbort: refused,
    postRun: () => {
      const policy = document.createElement('meta');
      policy.httpEquiv = 'Content-Security-Policy';
      policy.content = @LATER_POLICY@;
      document.head.append(policy);
      dispatchEvent(new Event('veltaro-running'));
    },
  };
})();
