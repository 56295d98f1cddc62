// Keeps the page working offline: every file of this release is cached on the
// first visit and served from the cache after it. The cache is named by the
// version, so a new release replaces the old one whole.
'use strict';

const CACHE = 'parabolix-@PROJECT_VERSION@';
const FILES = '@PARABOLIX_SITE_FILES@'.split(' ');

self.addEventListener('install', (event) => {
  // From the network itself: the browser's HTTP cache may still hold the
  // files of the release before.
  const fresh = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(fresh)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((cached) => cached || fetch(event.request)));
});
