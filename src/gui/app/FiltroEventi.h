#pragma once
// The small event filters the control behaviours are made of: a function that sees the
// events of a widget (of a list, its line edit's too) before the widget does.
#include <functional>

class QEvent;
class QObject;
class QWidget;

// `f` returns true to swallow the event. The filter lives as long as the widget.
void Filtra(QWidget* w, std::function<bool(QObject*, QEvent*)> f);
// A key press of Return or Enter.
bool TastoInvio(QEvent* e);
