#include "gui/app/FinestraScheda.h"

#include <QComboBox>

#include "core/text/Messaggi.h"
#include "core/records/RegoleScheda.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/MessaggioAccesso.h"
#include "gui/app/TestoQt.h"

namespace {

// A field, or a part of one (a list's own line edit and drop-down): the mouse over it
// leaves the status line as it is.
bool ParteDiUnCampo(QWidget* w, const QWidget* pannello) {
    for (; w && w != pannello; w = w->parentWidget())
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) return true;
    return false;
}

}  // namespace

FinestraScheda::FinestraScheda(const QString& nome, const QString& titolo, const Cornice& c)
    : FinestraIntera(nome, titolo, c.sfondo) {
    QWidget* p = Pannello();
    const QColor bordo = c.bordo.isValid() ? c.bordo : QColor(Qt::transparent);
    if (c.fondoPannello.isValid())
        new Rettangolo(p, "shpSfondo", QRect(QPoint(0, 0), p->size()), c.fondoPannello);
    new Rettangolo(p, "shpComandi", {800, 16, 177, 489}, Qt::white, bordo);
    new Immagine(p, "imgDecoro", {800, 512, 177, 121}, "decoro", false);

    panInfo = StrisciaInfo(p, {16, 642, 777, 32},
                           QStringLiteral("Pronto per archiviare una nuova scheda..."));
    stato_ = new RigaStato(panInfo);

    new Rettangolo(p, "shpNavigazione", {800, 642, 177, 32}, Qt::white, bordo);
    lblPosizione = new QLabel(p);
    lblPosizione->setObjectName("lblPosizione");
    lblPosizione->setGeometry(846, c.yPosizione, 82, 19);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(Carattere("Verdana", 12, true));
    // clang-format off
    const Comando<FinestraScheda> frecce[] = {
        {"cmdPrimo", nullptr, "Visualizza la prima scheda in archivio.",
         &FinestraScheda::cmdPrimoClick, {806, 649, 15, 17}, "primo", &FinestraScheda::cmdPrimo},
        {"cmdIndietro", nullptr, "Visualizza la scheda precedente in archivio.",
         &FinestraScheda::cmdIndietroClick, {830, 649, 10, 17}, "indietro",
         &FinestraScheda::cmdIndietro},
        {"cmdAvanti", nullptr, "Visualizza la scheda successiva in archivio.",
         &FinestraScheda::cmdAvantiClick, {934, 649, 10, 17}, "avanti",
         &FinestraScheda::cmdAvanti},
        {"cmdUltimo", nullptr, "Visualizza l'ultima scheda in archivio.",
         &FinestraScheda::cmdUltimoClick, {955, 649, 15, 17}, "ultimo",
         &FinestraScheda::cmdUltimo},
    };
    // clang-format on
    AggiungiComandi(frecce);
}

Immagine* FinestraScheda::AggiungiComando(const char* nome, const char* parola, QRect r,
                                          const char* risorsa, const char* descrizione) {
    Immagine* i;
    if (parola) {
        const QRect posto(814, 30 + 39 * inColonna_++, 148, 32);
        i = Immagine::Comando(Pannello(), nome, posto, Q(parola));
    } else {
        i = new Immagine(Pannello(), nome, r, risorsa);
    }
    stato_->Descrivi(i, Q(descrizione));
    return i;
}

QLabel* FinestraScheda::EtichettaNascosta(const char* nome) {
    auto* l = new QLabel(Pannello());
    l->setObjectName(nome);
    l->hide();
    return l;
}

void FinestraScheda::Descrivi(QWidget* controllo, const char* descrizione) {
    stato_->Descrivi(controllo, Q(descrizione));
}

void FinestraScheda::ImpostaCatena(const QList<QWidget*>& campi) {
    CatenaInvio(campi);
    primo_ = campi.value(0);
}

void FinestraScheda::CollegaRigaStato() {
    // Described controls keep their own text whatever else is wired to them.
    stato_->SvuotaSu(this);
    stato_->SvuotaSu(Pannello());
    for (QWidget* w : Pannello()->findChildren<QWidget*>())
        if (!ParteDiUnCampo(w, Pannello())) stato_->SvuotaSu(w);
}

void FinestraScheda::ImpostaPosizione(std::int64_t posizione) {
    posizione_ = posizione > 0 ? posizione : 0;
    lblPosizione->setText(posizione_ > 0 ? QString::number(posizione_) : QString());
}

void FinestraScheda::ErroreAccesso(const std::exception& e) {
    MostraAvviso(this, MessaggioAccesso(e), TipoAvviso::Errore);
}

void FinestraScheda::CarattereRifiutato() { stato_->Mostra(Q(messaggi::CarattereNonAmmesso)); }
