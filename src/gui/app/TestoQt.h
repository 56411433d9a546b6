#pragma once
// Texts between the core and the controls: the core's UTF-8 as QString and back, and the
// text a control shows, read and written the same way for edit fields, lists and labels.
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QWidget;

// UTF-8 text of the core as QString, and back.
inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline QString Q(const char* s) { return QString::fromUtf8(s); }
inline std::string S(const QString& s) { return s.toStdString(); }
// The items of a list, as a list box or a combo takes them.
QStringList Q(const std::vector<std::string>& voci);
// A control's text without leading and trailing characters of code 32 or below.
QString Rifilato(const QString& t);
// The text of an edit field or a combo (a label only shows what its window keeps).
QString TestoDi(const QWidget* controllo);
// Writes a text into an edit field (which shows its beginning), a combo or a label. A
// combo selects the item with exactly that text, or none when `scegliVoce` is false or no
// item has it, and shows the text all the same.
void ScriviTesto(QWidget* controllo, const QString& testo, bool scegliVoce = true);
