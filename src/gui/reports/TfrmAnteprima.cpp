#include "gui/reports/TfrmAnteprima.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/reports/Stampa.h"

using report::Pulsante;

namespace {

QToolButton* NuovoPulsante(const QString& nome, const QString& testo, QWidget* genitore) {
    auto* b = new QToolButton(genitore);
    b->setObjectName(nome);
    b->setText(testo);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Flat like the toolbar's own buttons, also where it sits inside the page navigator.
    b->setAutoRaise(true);
    return b;
}

}  // namespace

TfrmAnteprima::TfrmAnteprima(const report::Modello& modello, const QList<report::Pagina>& pagine,
                             QWidget* genitore)
    : QDialog(genitore), modello_(modello), pagine_(pagine), stampante_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(QStringLiteral("Anteprima di stampa - ") + modello_.nome);
    resize(960, 760);

    // The preview's printer only gives the sheet to draw on; printing asks for a real one.
    stampante_.setOutputFormat(QPrinter::PdfFormat);
    stampante_.setDocName(modello_.nome);
    stampante_.setFullPage(true);
    report::ImpostaPagina(stampante_, modello_);

    barAnteprima_ = new QToolBar(this);
    barAnteprima_->setObjectName(QStringLiteral("barAnteprima"));
    anteprima_ = new QPrintPreviewWidget(&stampante_, this);
    anteprima_->setObjectName(QStringLiteral("prvAnteprima"));
    anteprima_->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(anteprima_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) {
        QList<int> tutte;
        for (int i = 0; i < pagine_.size(); ++i) tutte << i;
        report::DipingiPagine(*p, modello_, pagine_, tutte);
    });

    const report::Pulsanti pulsanti = modello_.pulsanti;
    if (pulsanti & Pulsante::Stampa) {
        auto* b = NuovoPulsante(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), this);
        connect(b, &QToolButton::clicked, this, &TfrmAnteprima::btnStampaClick);
        barAnteprima_->addWidget(b);
    }
    if (pulsanti & Pulsante::Zoom) AggiungiZoom();
    if (pulsanti & Pulsante::SchermoIntero) {
        auto* b = NuovoPulsante(QStringLiteral("btnSchermoIntero"),
                                QStringLiteral("Schermo intero"), this);
        b->setCheckable(true);
        connect(b, &QToolButton::toggled, this, &TfrmAnteprima::btnSchermoInteroClick);
        barAnteprima_->addWidget(b);
    }
    if (pulsanti & Pulsante::Miniature) AggiungiMiniature();
    if (pulsanti & Pulsante::Navigatore) AggiungiNavigatore();
    if (pulsanti & Pulsante::Chiudi) {
        auto* b = NuovoPulsante(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
        connect(b, &QToolButton::clicked, this, &QDialog::reject);
        barAnteprima_->addWidget(b);
    }

    auto* corpo = new QHBoxLayout;
    if (lstMiniature_) corpo->addWidget(lstMiniature_);
    corpo->addWidget(anteprima_, 1);
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(barAnteprima_);
    colonna->addLayout(corpo, 1);
}

void TfrmAnteprima::AggiungiZoom() {
    auto* b = NuovoPulsante(QStringLiteral("btnZoom"), QStringLiteral("Zoom"), this);
    b->setPopupMode(QToolButton::InstantPopup);
    // Room for the menu arrow, which would otherwise sit on the word's last letter.
    b->setStyleSheet(QStringLiteral("QToolButton { padding-right: 14px; }"));
    auto* menu = new QMenu(b);
    menu->addAction(QStringLiteral("Pagina intera"), this,
                    [this] { anteprima_->setZoomMode(QPrintPreviewWidget::FitInView); });
    menu->addAction(QStringLiteral("Larghezza pagina"), this,
                    [this] { anteprima_->setZoomMode(QPrintPreviewWidget::FitToWidth); });
    for (int percento : {50, 75, 100, 150, 200}) {
        menu->addAction(QString::number(percento) + QLatin1Char('%'), this, [this, percento] {
            anteprima_->setZoomMode(QPrintPreviewWidget::CustomZoom);
            anteprima_->setZoomFactor(percento / 100.0);
        });
    }
    menu->addSeparator();
    menu->addAction(QStringLiteral("Ingrandisci"), this, [this] { anteprima_->zoomIn(); });
    menu->addAction(QStringLiteral("Riduci"), this, [this] { anteprima_->zoomOut(); });
    b->setMenu(menu);
    barAnteprima_->addWidget(b);
}

void TfrmAnteprima::AggiungiMiniature() {
    auto* b = NuovoPulsante(QStringLiteral("btnMiniature"), QStringLiteral("Miniature"), this);
    b->setCheckable(true);
    barAnteprima_->addWidget(b);

    lstMiniature_ = new QListWidget(this);
    lstMiniature_->setObjectName(QStringLiteral("lstMiniature"));
    const double pxPerMm = 120.0 / modello_.Carta().width();
    lstMiniature_->setIconSize((modello_.Carta() * pxPerMm).toSize());
    lstMiniature_->setViewMode(QListView::IconMode);
    lstMiniature_->setFlow(QListView::TopToBottom);
    lstMiniature_->setWrapping(false);
    lstMiniature_->setMovement(QListView::Static);
    lstMiniature_->setSpacing(6);
    lstMiniature_->setFixedWidth(170);
    for (int i = 0; i < pagine_.size(); ++i) {
        const QImage immagine = report::ImmaginePagina(modello_, pagine_.at(i), pxPerMm);
        auto* voce = new QListWidgetItem(QIcon(QPixmap::fromImage(immagine)),
                                         QString::number(i + 1), lstMiniature_);
        voce->setTextAlignment(Qt::AlignHCenter);
    }
    lstMiniature_->setVisible(false);
    connect(b, &QToolButton::toggled, lstMiniature_, &QWidget::setVisible);
    connect(lstMiniature_, &QListWidget::currentRowChanged, this, [this](int riga) {
        if (riga >= 0) anteprima_->setCurrentPage(riga + 1);
    });
}

void TfrmAnteprima::AggiungiNavigatore() {
    auto* navigatore = new QWidget(this);
    navigatore->setObjectName(QStringLiteral("navPagine"));
    auto* riga = new QHBoxLayout(navigatore);
    riga->setContentsMargins(4, 0, 4, 0);
    auto* indietro =
        NuovoPulsante(QStringLiteral("btnPaginaPrecedente"), QStringLiteral("<"), navigatore);
    spnPagina_ = new QSpinBox(navigatore);
    spnPagina_->setObjectName(QStringLiteral("spnPagina"));
    spnPagina_->setRange(1, std::max<int>(1, pagine_.size()));
    auto* totale = new QLabel(QStringLiteral("di %1").arg(pagine_.size()), navigatore);
    auto* avanti =
        NuovoPulsante(QStringLiteral("btnPaginaSeguente"), QStringLiteral(">"), navigatore);
    riga->addWidget(indietro);
    riga->addWidget(spnPagina_);
    riga->addWidget(totale);
    riga->addWidget(avanti);
    connect(indietro, &QToolButton::clicked, spnPagina_, &QSpinBox::stepDown);
    connect(avanti, &QToolButton::clicked, spnPagina_, &QSpinBox::stepUp);
    connect(spnPagina_, &QSpinBox::valueChanged, anteprima_, &QPrintPreviewWidget::setCurrentPage);
    connect(anteprima_, &QPrintPreviewWidget::previewChanged, this,
            &TfrmAnteprima::AggiornaNavigatore);
    barAnteprima_->addWidget(navigatore);
}

void TfrmAnteprima::AggiornaNavigatore() {
    const QSignalBlocker blocco(spnPagina_);
    spnPagina_->setValue(anteprima_->currentPage());
}

void TfrmAnteprima::btnStampaClick() { report::StampaPagine(modello_, pagine_, this); }

void TfrmAnteprima::btnSchermoInteroClick(bool attivo) {
    setWindowState(attivo ? windowState() | Qt::WindowFullScreen
                          : windowState() & ~Qt::WindowFullScreen);
}
