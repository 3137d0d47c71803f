// The hosted page's offline copy, looked after once the program has taken the window over,
// so that it never competes with the page's start. A returning user's page asks the server
// for a newer version each time it opens; when one has been kept and taken over, the line
// under the window says that it opens next time: nothing reloads under the user's typing.
addEventListener('veltaro-running', () => {
  if (!window.isSecureContext || location.protocol === 'file:' ||
      !('serviceWorker' in navigator)) {
    return;
  }
  const returning = navigator.serviceWorker.controller !== null;
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (!returning) return;
    const notice = document.getElementById('notice');
    notice.textContent = notice.dataset.updated;
    notice.hidden = false;
  });
  navigator.serviceWorker.register('service-worker.js')
    .then(registration => returning && registration.update())
    .catch(console.warn);
}, {once: true});
