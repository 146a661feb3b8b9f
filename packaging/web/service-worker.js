// Keeps every file of the program, so that after the first visit the quiz starts with no
// network. The cache is named after the contents (written by scripts/build-web): a new
// build is fetched whole on the next visit, and the old cache goes.
'use strict';
const cacheName = 'zelvarin-@CACHE@';
const files = [@FILES@];

self.addEventListener('install', event => {
    event.waitUntil(caches.open(cacheName).then(cache => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
    event.waitUntil(caches.keys()
        .then(names => Promise.all(names.filter(name => name !== cacheName).map(name => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The cache first, the network for anything else (the source archive).
self.addEventListener('fetch', event => {
    if (event.request.method !== 'GET')
        return;
    event.respondWith(caches.open(cacheName)
        .then(cache => cache.match(event.request, { ignoreSearch: true }))
        .then(cached => cached || fetch(event.request)));
});
