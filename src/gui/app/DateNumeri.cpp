#include "gui/app/DateNumeri.h"

#include <QLocale>

void ImpostaDateNumeri() {
    QLocale italiano(QLocale::Italian, QLocale::Italy);
    italiano.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italiano);
}
