"""The whole page read in one script call, and compared with the replay driver's state the way
the desktop window is compared with it: field by field, naming the control that differs."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', '..',
                                'tools', 'page'))
import window_plan  # noqa: E402

# The most options a choice list holds: every item that can be worked on (the creation list) or
# every item that is repaired (the repair list), whichever are more.
# (An item's row in the plan: item, owned, creation, repair and wear labels.)
LONGEST = max(([window_plan.item_names()[row[0]] for row in window_plan.items() if row[column]]
               for column in (2, 3)), key=len)

READ_PAGE = r'''
var $ = function (id) { return document.getElementById(id); };
var seen = function (e) { return e.getClientRects().length > 0; };
var labels = {};
document.querySelectorAll('#Form1 span[id^="Label"]').forEach(function (e) {
  labels[e.id] = [e.textContent, seen(e)];
});
var boxes = {};
['ComboBox1', 'ComboBox2', 'ComboBox3', 'ComboBox4'].forEach(function (id) {
  var edit = $(id + 'Edit');
  boxes[id] = {
    options: Array.prototype.map.call($(id + 'List').children, function (li) { return li.textContent; }),
    text: edit.value, enabled: !edit.disabled, shown: seen($(id))
  };
});
var radios = Array.prototype.map.call(document.querySelectorAll('#RadioGroup1 input'),
  function (r) { return [r.checked, !r.disabled, seen(r)]; });
var mark = $('CheckBox1Mark');
var box = $('MessageBox');
return {
  labels: labels, boxes: boxes, radios: radios,
  eat: [mark.checked, !mark.disabled, seen(mark)],
  button1: seen($('Button1')) && !$('Button1').disabled,
  gameover: seen($('Button2')) && !$('Button2').disabled,
  message: box.open ? { title: $('MessageCaption').textContent, text: $('MessageText').textContent } : null,
  title: document.title,
  said: $('Announce').textContent
};
'''

# Which label shows which field: the desktop window's own map, as the page is built from it.
SCALARS = [(field, label) for label, field in window_plan.counters().items()]
ITEMS = window_plan.items()  # item: owned, creation, repair and wear labels

BOXES = [('FoodChoice', 'ComboBox1'), ('GatherChoice', 'ComboBox2'),
         ('CreateChoice', 'ComboBox3'), ('RepairChoice', 'ComboBox4')]

ACTIVITIES = ['GatherFood', 'Create', 'Repair']


def quoted(value):
    text = str(value)
    return '"%s"' % text if len(text) <= 80 else '"%s"... (%d characters)' % (text[:80], len(text))


def differences(page, state):
    lines = []

    def differ(field, control, on_page, in_driver):
        if on_page != in_driver:
            lines.append('%s (%s): page %s, driver %s' %
                         (field, control, quoted(on_page), quoted(in_driver)))

    labels = page['labels']
    for field, label in SCALARS:
        differ(field, label + ' text', labels[label][0], str(state[field]))
        differ(field + ' shown', label + ' visible', labels[label][1], True)
    for item, owned, build, repair, wear in ITEMS:
        s = state['Items'][item]
        if owned:
            differ('Items.%s.Owned' % item, owned + ' visible', labels[owned][1], s['Owned'])
        for label, value, shown in ((build, 'BuildDaysLeft', 'BuildShown'),
                                    (repair, 'RepairDaysLeft', 'RepairShown'),
                                    (wear, 'WearDaysLeft', 'WearShown')):
            if not label:
                continue
            key = 'Items.%s.%s' % (item, value)
            differ(key, label + ' text', labels[label][0], str(s[value]))
            differ(key + ' shown', label + ' visible', labels[label][1], s.get(shown, True))
    differ('EatToday', 'CheckBox1 checked', page['eat'][0], state['EatToday'])
    differ('EatToday usable', 'CheckBox1 enabled', page['eat'][1] and page['eat'][2], True)
    for i, activity in enumerate(ACTIVITIES):
        differ('Activity is ' + activity, 'RadioGroup1Button%d checked' % i,
               page['radios'][i][0], state['Activity'] == activity)
        differ('ActivityEnabled', 'RadioGroup1Button%d enabled' % i,
               page['radios'][i][1], state['ActivityEnabled'])
    for key, box_id in BOXES:
        box, s = page['boxes'][box_id], state['Boxes'][key]
        differ('Boxes.%s.Options' % key, box_id + ' list', box['options'], s['Options'])
        differ('Boxes.%s.Text' % key, box_id + ' text', box['text'], s['Text'])
        differ('Boxes.%s.Enabled' % key, box_id + ' enabled', box['enabled'], s['Enabled'])
        differ('Boxes.%s shown' % key, box_id + ' visible', box['shown'], True)
    differ('next day possible (not GameOver)', 'Button1 visible', page['button1'],
           not state['GameOver'])
    differ('GameOver', 'Button2 visible', page['gameover'], state['GameOver'])
    differ('caption', 'document title', page['title'], 'Игра "Кеволан"')
    return lines
