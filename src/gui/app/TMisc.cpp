#include "gui/app/TMisc.h"

#include <QUrl>

#include "gui/app/Piattaforma.h"

void TMisc::Open(const QString& testo) {
    QString t = testo.trimmed();
    // The double quotes around a path belong to a command line, not to a URL.
    if (t.size() >= 2 && t.startsWith('"') && t.endsWith('"')) t = t.mid(1, t.size() - 2);
    QUrl url;
    if (t.startsWith("mailto:", Qt::CaseInsensitive) ||
        t.startsWith("http://", Qt::CaseInsensitive) ||
        t.startsWith("https://", Qt::CaseInsensitive))
        url = QUrl(t, QUrl::TolerantMode);
    else
        url = QUrl::fromLocalFile(t);
    piattaforma().ApriUrl(url);
}
