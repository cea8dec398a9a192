'use strict';
// The page starts: the rules module loads, and the window shows the new game's first state.
rules.load().then(() => {
  view.show(rules.state());
  $('Button1').focus();
  performance.mark('kevolan-first-state');
  document.documentElement.dataset.ready = 'true';
});
