// What the page's program runs first, once the page has been read and drawn (the script
// is a module, so it waits). Until the program has taken the window over, the notice under
// it says that the calculator is loading, and what the user does in it is noted; the program
// hears of it as it starts. Where the program cannot start (no WebAssembly, or one this
// browser refuses), the notice says so and the window is inert. The program was compiled as
// the page was read; once it runs, a second policy forbids any further script, and the page
// is told that the program runs ('veltaro-running', and the time in veltaroRunning).
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
    preRun: () => veltaroEarly && veltaroEarly.stop(),
    postRun: () => {
      if (veltaroEarly) veltaroEarly.handOver();
      const policy = document.createElement('meta');
      policy.httpEquiv = 'Content-Security-Policy';
      policy.content = @LATER_POLICY@;
      document.head.append(policy);
      window.veltaroRunning = performance.now();
      dispatchEvent(new Event('veltaro-running'));
    },
  };
})();
