#include "gui/deadlines/TfrmMenuRicordario.h"

#include <QCloseEvent>
#include <string>
#include <utility>

#include "core/help/Guida.h"
#include "core/text/Messaggi.h"
#include "core/text/Testo.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/Figure.h"
#include "gui/app/Filtri.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/TestoQt.h"
#include "gui/app/TfrmGuida.h"
#include "gui/app/Titoli.h"

namespace {

const QColor kAcciaio(0x46, 0x82, 0xB4);

}  // namespace

TfrmMenuRicordario::TfrmMenuRicordario()
    : FinestraIntera("TfrmMenuRicordario", Titolo("Inserimento scadenze e appuntamenti"),
                     kAcciaio) {
    QWidget* p = Pannello();
    new Immagine(p, "icoIcona", {122, 14, 70, 74}, "icona", false);
    new Immagine(p, "icoTitolo", {204, 15, 583, 77}, "titolo", false);
    new Immagine(p, "icoVersione", {794, 11, 78, 77}, "versione", false);

    // The white panel in the centre.
    new Rettangolo(p, "shpCentro", {222, 150, 551, 400}, Qt::white, Argb(0xFFB0C4DE));
    new Immagine(p, "icoScadenza", {449, 172, 97, 97}, "sezione_scadenza", false);
    lblInfo = Etichetta(p, "lblInfo",
                        QStringLiteral("In questo ambiente è possibile inserire o modificare le "
                                       "schede relative alle scadenze e appuntamenti."),
                        {252, 282}, Carattere("Verdana", 10), QColor(0x00, 0x00, 0x80));
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignCenter);
    lblInfo->setGeometry(252, 282, 491, 44);

    new Rettangolo(p, "shpAnnoPreventivi", {252, 340, 491, 30}, kAcciaio);
    intAnnoPreventivi =
        Etichetta(p, "intAnnoPreventivi", QStringLiteral("Archivio scadenze e appuntamenti:"),
                  {262, 340}, Carattere("Verdana", 10, true), Qt::white);
    intAnnoPreventivi->setGeometry(262, 340, 471, 30);
    intAnnoPreventivi->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    titAnnoPreventivi = Etichetta(p, "titAnnoPreventivi", QStringLiteral("Anno:"), {0, 0},
                                  Carattere("Verdana", 20, true), QColor(0x00, 0x00, 0x80));
    titAnnoPreventivi->setGeometry(315, 400, 110, 40);
    titAnnoPreventivi->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    txtAnnoPreventivi =
        CampoTesto(p, "txtAnnoPreventivi", {437, 402, 100, 36}, 4, Carattere("Verdana", 14, true));
    txtAnnoPreventivi->setAlignment(Qt::AlignCenter);
    FiltroCifre(txtAnnoPreventivi);
    btnApriPreventivi = Pulsante(p, "btnApriPreventivi", QStringLiteral("Apri"),
                                 {555, 402, 120, 36}, Carattere("Verdana", 12, true));
    // Enter in the year only reaches the button; Enter on the button presses it.
    InvioAlPulsante(txtAnnoPreventivi, btnApriPreventivi);
    connect(btnApriPreventivi, &QPushButton::clicked, this,
            &TfrmMenuRicordario::btnApriPreventiviClick);

    imgGuida = new Immagine(p, "imgGuida", {236, 508, 29, 28}, "guida");
    imgEsci = new Immagine(p, "imgEsci", {742, 513, 17, 18}, "esci");
    connect(imgGuida, &QAbstractButton::clicked, this, &TfrmMenuRicordario::imgGuidaClick);
    connect(imgEsci, &QAbstractButton::clicked, this, &TfrmMenuRicordario::imgEsciClick);
}

void TfrmMenuRicordario::FormShow() {
    txtAnnoPreventivi->setText(
        QStringLiteral("%1").arg(piattaforma().Adesso().date().year(), 4, 10, QChar('0')));
    scelta_.reset();
    txtAnnoPreventivi->setFocus();
    txtAnnoPreventivi->selectAll();
}

void TfrmMenuRicordario::btnApriPreventiviClick() {
    // The length counts, blanks included: the card refuses dates that cannot exist. The
    // digits filter leaves only digits; a year file is never named from anything else.
    if (txtAnnoPreventivi->text().size() != 4 ||
        !TArchivioScadenze::AnnoValido(S(txtAnnoPreventivi->text()))) {
        MostraAvviso(this, Q(messaggi::AnnoQuattroCifre), TipoAvviso::Avvertimento);
        txtAnnoPreventivi->setFocus();
        return;
    }
    ApriAnno(std::stoi(testo::Rifila(S(txtAnnoPreventivi->text()))));
}

void TfrmMenuRicordario::ApriAnno(int anno) {
    scelta_ = Scelta{anno, TArchivioScadenze::Percorso(PercorsoProgramma(QString()), anno)};
    close();
}

void TfrmMenuRicordario::imgGuidaClick() { MostraGuida(this, guida::InserimentoScadenze); }

void TfrmMenuRicordario::closeEvent(QCloseEvent* e) {
    if (scelta_ && annoScelto_) {
        // On to what takes the year, instead of back to the launcher.
        const Scelta scelta = *std::exchange(scelta_, std::nullopt);
        FormClose();
        e->accept();
        annoScelto_(scelta.anno, scelta.file);
        return;
    }
    FinestraIntera::closeEvent(e);
}
