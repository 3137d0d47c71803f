// Keeps the page's own files, so that it opens and works offline once it has been opened.
// The page is kept first, and must be; each other file is kept as the server gives it, so
// that one it does not serve (a manifest of a type it does not know) costs only that file.
// Each version of the page has a cache of its own, filled from the server itself: a copy
// the browser kept from an older version would otherwise be kept again under this one's
// name, for good. The version that runs answers only from its own cache, so a page never
// mixes the files of two versions; an older cache goes once this version is in.
const CACHE = 'veltaro-@VERSION@';
const PAGE = [@PAGE@];
const OTHERS = [@OTHERS@];

const fromServer = file => new Request(file, {cache: 'reload'});

self.addEventListener('install', event => {
  event.waitUntil(
    caches.open(CACHE)
      .then(cache => cache.addAll(PAGE.map(fromServer))
                       .then(() => Promise.allSettled(OTHERS.map(file => cache.add(fromServer(file))))))
      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
                    .then(names => Promise.all(names.filter(name => name !== CACHE)
                                                 .map(name => caches.delete(name))))
                    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
  event.respondWith(caches.open(CACHE)
                      .then(cache => cache.match(event.request, {ignoreSearch: true}))
                      .then(kept => kept || fetch(event.request)));
});
