#include "gui/app/FinestraGriglia.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "core/memory/PagineGrandi.h"
#include "core/text/Messaggi.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Figure.h"
#include "gui/app/Piattaforma.h"
#include "gui/app/RigaStato.h"
#include "gui/app/Scambio.h"
#include "gui/app/TestoQt.h"
#include "gui/app/TfrmGuida.h"

namespace {

QString DaVista(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// What is typed in a cell is in the rows at every keystroke, as in the grid's own cells:
// an export pressed while the cell is still being typed in takes it as it stands.
class ScritturaImmediata : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* genitore, const QStyleOptionViewItem& opzione,
                          const QModelIndex& indice) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(genitore, opzione, indice);
        if (auto* campo = qobject_cast<QLineEdit*>(editor)) {
            auto* delegato = const_cast<ScritturaImmediata*>(this);
            connect(campo, &QLineEdit::textEdited, delegato,
                    [delegato, campo] { emit delegato->commitData(campo); });
        }
        return editor;
    }
};

}  // namespace

// --- ModelloGriglia ------------------------------------------------------------------------

ModelloGriglia::ModelloGriglia(std::vector<griglia::Colonna> colonne, QObject* genitore)
    : QAbstractTableModel(genitore),
      colonne_(std::move(colonne)),
      tabella_(colonne_.size(), MemoriaPagineGrandi()) {}

void ModelloGriglia::Riempi(const std::function<void(griglia::TabellaTesti&)>& riempi) {
    beginResetModel();
    tabella_ = griglia::TabellaTesti(colonne_.size(), MemoriaPagineGrandi());
    try {
        riempi(tabella_);
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

int ModelloGriglia::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(tabella_.Righe());
}

int ModelloGriglia::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(colonne_.size());
}

QVariant ModelloGriglia::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid()) return {};
    if (ruolo == Qt::DisplayRole || ruolo == Qt::EditRole)
        return DaVista(tabella_.Cella(static_cast<std::size_t>(indice.row()),
                                      static_cast<std::size_t>(indice.column())));
    if (ruolo == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

bool ModelloGriglia::setData(const QModelIndex& indice, const QVariant& valore, int ruolo) {
    if (!indice.isValid() || ruolo != Qt::EditRole || !(flags(indice) & Qt::ItemIsEditable))
        return false;
    tabella_.ImpostaCella(static_cast<std::size_t>(indice.row()),
                          static_cast<std::size_t>(indice.column()), S(valore.toString()));
    emit dataChanged(indice, indice, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags ModelloGriglia::flags(const QModelIndex& indice) const {
    if (!indice.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (colonne_[static_cast<std::size_t>(indice.column())].modificabile) f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModelloGriglia::headerData(int sezione, Qt::Orientation verso, int ruolo) const {
    if (verso != Qt::Horizontal || ruolo != Qt::DisplayRole || sezione < 0 ||
        sezione >= columnCount())
        return QAbstractTableModel::headerData(sezione, verso, ruolo);
    return DaVista(colonne_[static_cast<std::size_t>(sezione)].intestazione);
}

// --- EsportaInFoglio --------------------------------------------------------------------------

void EsportaInFoglio(QWidget* genitore, std::string_view file, std::string_view nomeFoglio,
                     std::span<const foglio::Intestazione> intestazioni,
                     const foglio::Righe& righe, FormatoFoglio formato) {
    std::filesystem::path percorso = PercorsoProgramma(DaVista(file));
    if (formato == FormatoFoglio::Xlsx) percorso = foglio::NomeXlsx(percorso);
    EsportaFile(genitore,
                {DaVista(foglio::DomandaEsporta), DaVista(foglio::DomandaApri),
                 Q(messaggi::EsportazioneFallita)},
                percorso, [&] {
                    if (formato == FormatoFoglio::Xlsx)
                        foglio::ScriviXlsx(percorso, nomeFoglio, intestazioni, righe);
                    else
                        foglio::Scrivi(percorso, nomeFoglio, intestazioni, righe);
                });
}

// --- FinestraGriglia ---------------------------------------------------------------------------

FinestraGriglia::FinestraGriglia(QWidget* genitore, Dichiarazione dichiarazione)
    : Dialogo(genitore, QString::fromLatin1(dichiarazione.classe), Q(dichiarazione.titolo),
              kDialogoGriglia, Argb(kColoreGriglia), Argb(kColoreGriglia)),
      d_(std::move(dichiarazione)) {
    // Every grid column but the ordinal has its header cell in the file; every one is drawn.
    Q_ASSERT(d_.esportazione.intestazioni.size() + 1 == d_.colonne.size());
    Q_ASSERT(d_.aspetto.size() == d_.colonne.size());
    auto* p = new QWidget(this);
    p->setObjectName("panContenuto");
    p->setGeometry(QRect(QPoint((kDialogoGriglia.width() - kPannelloGriglia.width()) / 2,
                                (kDialogoGriglia.height() - kPannelloGriglia.height()) / 2),
                         kPannelloGriglia));

    auto* striscia = new Rettangolo(p, "shpStriscia", {8, 8, 821, 65}, Qt::white);
    imgLogo = new Immagine(p, "imgLogo", {13, 13, 505, 55}, "logo", false);
    imgMano = new Immagine(p, "imgMano", {528, 32, 31, 25}, "mano", false);
    cmdEsporta = new Immagine(p, "cmdEsporta", {566, 15, 49, 50}, "esporta_foglio");
    cmdEsportaXlsx = new Immagine(p, "cmdEsportaXlsx", {618, 15, 49, 50}, "esporta_xlsx");
    cmdGuida = new Immagine(p, "cmdGuida", {670, 13, 50, 55}, "guida_griglia");
    cmdEsci = new Immagine(p, "cmdEsci", {766, 15, 40, 50}, "esci_griglia");

    modello_ = new ModelloGriglia(d_.colonne, this);
    grdRecords = new QTableView(p);
    grdRecords->setObjectName("grdRecords");
    grdRecords->setGeometry(8, 80, 821, 409);
    grdRecords->setModel(modello_);
    grdRecords->setItemDelegate(new ScritturaImmediata(grdRecords));
    grdRecords->setFont(Carattere("Verdana", 9));
    grdRecords->setAlternatingRowColors(true);
    QPalette pal = grdRecords->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::AlternateBase, Argb(0xFFEAF1F8));
    grdRecords->setPalette(pal);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    grdRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grdRecords->setWordWrap(false);
    // Every row 21 high: with a fixed size the view never asks 100,000 rows for theirs.
    QHeaderView* righe = grdRecords->verticalHeader();
    righe->hide();
    righe->setSectionResizeMode(QHeaderView::Fixed);
    righe->setMinimumSectionSize(21);
    righe->setDefaultSectionSize(21);
    QHeaderView* testata = grdRecords->horizontalHeader();
    testata->setSectionResizeMode(QHeaderView::Interactive);
    testata->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    testata->setHighlightSections(false);
    for (std::size_t c = 0; c < d_.aspetto.size(); ++c)
        grdRecords->setColumnWidth(static_cast<int>(c), d_.aspetto[c].larghezza);

    panInfo = StrisciaInfo(p, {8, 493, 821, 32},
                           QStringLiteral("Esportazione archivio in Microsoft Excel."));
    auto* stato = new RigaStato(panInfo);
    stato->Descrivi(cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    stato->Descrivi(cmdEsportaXlsx, QStringLiteral("Esporta l'archivio in formato Microsoft "
                                                   "Excel 2007 e successivi (.xlsx)."));
    stato->Descrivi(cmdGuida,
                    QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    stato->Descrivi(cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    // Declared commands fill the gap between the help and exit pictures.
    Q_ASSERT(d_.comandi.size() <= 2);
    const bool due = d_.comandi.size() == 2;
    for (std::size_t i = 0; i < d_.comandi.size(); ++i) {
        const Comando& c = d_.comandi[i];
        const QRect posto = due ? QRect(722, i == 0 ? 9 : 42, 42, 30) : QRect(722, 15, 42, 50);
        auto* img = new Immagine(p, QString::fromLatin1(c.nome), posto,
                                 QString::fromLatin1(c.figura));
        stato->Descrivi(img, Q(c.descrizione));
        connect(img, &QAbstractButton::clicked, this, [this, azione = c.azione] { azione(this); });
    }
    for (QWidget* sfondo : {static_cast<QWidget*>(this), p, static_cast<QWidget*>(striscia),
                            static_cast<QWidget*>(imgLogo), static_cast<QWidget*>(imgMano)})
        stato->SvuotaSu(sfondo);

    connect(cmdEsporta, &QAbstractButton::clicked, this, &FinestraGriglia::cmdEsportaClick);
    connect(cmdEsportaXlsx, &QAbstractButton::clicked, this, &FinestraGriglia::cmdEsportaXlsxClick);
    connect(cmdGuida, &QAbstractButton::clicked, this, &FinestraGriglia::cmdGuidaClick);
    connect(cmdEsci, &QAbstractButton::clicked, this, &FinestraGriglia::cmdEsciClick);
}

int FinestraGriglia::Colonna(std::string_view nome) const {
    for (std::size_t c = 0; c < d_.aspetto.size(); ++c)
        if (d_.aspetto[c].nome == nome) return static_cast<int>(c);
    return -1;
}

void FinestraGriglia::FormShow() { Ricarica(); }

void FinestraGriglia::Ricarica() {
    try {
        modello_->Riempi(d_.riempi);
    } catch (...) {
        if (d_.avvisaSeIlleggibile) AvvisaArchivioIlleggibile(this);
    }
}

void FinestraGriglia::cmdEsportaClick() {
    const auto& e = d_.esportazione;
    EsportaInFoglio(this, e.file, e.foglio, e.intestazioni,
                    griglia::RigheEsportate(modello_->Tabella()));
}

void FinestraGriglia::cmdEsportaXlsxClick() {
    const auto& e = d_.esportazione;
    EsportaInFoglio(this, e.file, e.foglio, e.intestazioni,
                    griglia::RigheEsportate(modello_->Tabella()), FormatoFoglio::Xlsx);
}

void FinestraGriglia::cmdGuidaClick() { MostraGuida(this, d_.guida); }
