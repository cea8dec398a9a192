// Keeps the site's files, so that once the game has been opened over http it starts and plays
// with no network. VERSION is a hash of every file below, written when the site is assembled:
// a new build makes a new worker that fills a cache of its own beside the old one and takes
// over only when no tab of the old build is open, at the next start. A page is therefore never
// served with a rules module of another build.
'use strict';

const VERSION = '@KEVOLAN_SITE_VERSION@';
const FILES = @KEVOLAN_SITE_FILES@;
const CACHE = `kevolan-${VERSION}`;

self.addEventListener('install', (e) => {
  // Past the browser's own cache, so that the files are this build's.
  e.waitUntil(caches.open(CACHE).then((cache) =>
    cache.addAll(FILES.map((f) => new Request(f, { cache: 'reload' })))));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((n) => n.startsWith('kevolan-') && n !== CACHE).map((n) => caches.delete(n)))));
});

self.addEventListener('fetch', (e) => {
  const request = e.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  e.respondWith(caches.open(CACHE).then((cache) =>
    cache.match(request, { ignoreSearch: true }).then((kept) => kept || fetch(request))));
});
