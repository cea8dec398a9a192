// What a screen reader says for the main window's controls. The visible captions stay as they
// are; the spoken names say what each control is for, and each counter is read together with
// what it counts ("Фрукты в запасе: 3"), since its number stands alone on the screen.
#pragma once

namespace Ui {
class TForm1;
}

// Gives the controls the player uses, and the pictures, their spoken names and descriptions.
void NameControls(Ui::TForm1& form);

// Renews the spoken "name: value" of every counter and of the date from what the labels show.
// Run after every change of the view.
void SayCounters(Ui::TForm1& form);
