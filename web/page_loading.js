// Runs as the page is read, before its first frame: with script running, the notice under
// the window says that the calculator is loading, not that JavaScript is off.
document.getElementById('notice').textContent = document.getElementById('notice').dataset.loading;
