#include "gui/deadlines/TfrmRipeti.h"

#include <QButtonGroup>

#include "core/deadlines/Ripetizioni.h"
#include "core/text/Testo.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/Filtri.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/TestoQt.h"

namespace {

constexpr QSize kDimensione(440, 318);

QDate QDataDi(const Data& d) { return QDate(d.anno, d.mese, d.giorno); }

}  // namespace

TfrmRipeti::TfrmRipeti(QWidget* scheda, TSchedaScadenza origine, std::filesystem::path cartella)
    : Dialogo(scheda, "TfrmRipeti", QStringLiteral(" Ripeti scadenza"), kDimensione,
              Argb(0xFF8BB2D3), Qt::white),
      origine_(std::move(origine)),
      cartella_(std::move(cartella)) {
    const QFont f = Carattere("Verdana", 9);
    const QFont grassetto = Carattere("Verdana", 9, true);
    const std::optional<Data> inizio = DataDaTesto(origine_.Data);

    lblScheda =
        Etichetta(this, "lblScheda",
                  QStringLiteral("Scadenza del %1: %2")
                      .arg(Q(testo::Rifila(origine_.Data)), Q(testo::Rifila(origine_.Dettagli))),
                  {16, 14}, grassetto);
    lblScheda->setGeometry(16, 14, kDimensione.width() - 32, 36);
    lblScheda->setWordWrap(true);

    Etichetta(this, "titPasso", QStringLiteral("Ripeti la scadenza"), {16, 64}, f);
    QStringList passi;
    for (const auto& v : ripetizione::kPassi) passi << Q(std::string(v.testo));
    txtPasso = ComboSoloLista(this, "txtPasso", {180, 60, 160, 24}, f, passi);
    txtPasso->setCurrentIndex(1);  // every month

    auto* gruppo = new QButtonGroup(this);
    optVolte = new QRadioButton(QStringLiteral("per un numero di volte:"), this);
    optVolte->setObjectName("optVolte");
    optVolte->setFont(f);
    optVolte->setGeometry(16, 102, 170, 24);
    optVolte->setChecked(true);
    txtVolte = CampoTesto(this, "txtVolte", {190, 102, 60, 24}, 4, f);
    FiltroCifre(txtVolte);
    txtVolte->setText(QStringLiteral("12"));

    optFino = new QRadioButton(QStringLiteral("fino al giorno:"), this);
    optFino->setObjectName("optFino");
    optFino->setFont(f);
    optFino->setGeometry(16, 138, 170, 24);
    txtFino = new QDateEdit(this);
    txtFino->setObjectName("txtFino");
    txtFino->setFont(f);
    txtFino->setGeometry(190, 138, 120, 24);
    txtFino->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    txtFino->setCalendarPopup(true);
    txtFino->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    txtFino->setDate(inizio ? QDataDi(*inizio).addYears(1) : piattaforma().Adesso().date());
    gruppo->addButton(optVolte);
    gruppo->addButton(optFino);
    // Each choice enables its own field.
    auto abilita = [this] {
        txtVolte->setEnabled(optVolte->isChecked());
        txtFino->setEnabled(optFino->isChecked());
    };
    connect(optVolte, &QRadioButton::toggled, this, abilita);
    abilita();

    chkLavorativo = new QCheckBox(
        QStringLiteral("Sposta ogni ripetizione al primo giorno lavorativo\nse cade di sabato, "
                       "di domenica o in un giorno festivo"),
        this);
    chkLavorativo->setObjectName("chkLavorativo");
    chkLavorativo->setFont(f);
    chkLavorativo->setGeometry(16, 178, kDimensione.width() - 32, 40);

    auto* nota = Etichetta(this, "lblNota",
                           QStringLiteral("Ogni ripetizione è una nuova scheda, non assolta, "
                                          "nell'archivio del suo anno. La scheda corrente "
                                          "resta com'è."),
                           {16, 224}, Carattere("Verdana", 8));
    nota->setGeometry(16, 224, kDimensione.width() - 32, 32);
    nota->setWordWrap(true);

    const QFont fp = Carattere("Verdana", 10);
    btnChiudi = Pulsante(this, "btnChiudi", QStringLiteral("Chiudi"), {16, 270, 120, 32}, fp);
    btnRipeti = Pulsante(this, "btnRipeti", QStringLiteral("Ripeti"),
                         {kDimensione.width() - 136, 270, 120, 32}, fp);
    connect(btnRipeti, &QPushButton::clicked, this, &TfrmRipeti::btnRipetiClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmRipeti::Apri(QWidget* scheda, TSchedaScadenza origine, std::filesystem::path cartella) {
    MostraPerUso(std::make_unique<TfrmRipeti>(scheda, std::move(origine), std::move(cartella)));
}

void TfrmRipeti::btnRipetiClick() {
    ripetizione::Richiesta r;
    r.mesi = ripetizione::kPassi[static_cast<std::size_t>(qMax(0, txtPasso->currentIndex()))].mesi;
    if (optVolte->isChecked())
        r.volte = ripetizione::VolteDaTesto(S(txtVolte->text()));
    else
        r.fino = DataDi(txtFino->date());
    r.lavorativo = chkLavorativo->isChecked();

    const std::optional<Data> inizio = DataDaTesto(origine_.Data);
    const ripetizione::Piano piano = ripetizione::Pianifica(inizio.value_or(Data{}), r);
    if (piano.rifiuto) {
        MostraAvviso(this, Q(*piano.rifiuto), TipoAvviso::Avvertimento);
        (optVolte->isChecked() ? static_cast<QWidget*>(txtVolte) : txtFino)->setFocus();
        return;
    }
    const ripetizione::Esito esito = ripetizione::Scrivi(cartella_, origine_, piano.date);
    if (esito.fallito) {
        MostraAvviso(this, Q(esito.Messaggio()), TipoAvviso::Errore);
        return;
    }
    MostraAvviso(this, Q(esito.Messaggio()), TipoAvviso::Informazione);
    accept();
}
