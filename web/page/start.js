'use strict';
// The page starts: the rules module loads, and the window shows the new game's first state.
rules.load().then(() => {
  // The controls that a browser would toggle without the game are usable from now on.
  $('CheckBox1Mark').disabled = false;
  view.show(rules.state());
  $('Button1').focus();
  performance.mark('kevolan-first-state');
  document.documentElement.dataset.ready = 'true';
}, (error) => {
  // The window stays drawn, its controls unusable; the player is told why.
  $('NotStarted').hidden = false;
  document.documentElement.dataset.ready = 'failed';
  console.error('the rules module did not start:', error);
});
