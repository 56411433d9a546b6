#include "gui/app/ElencoRisultati.h"

#include <QAbstractListModel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <stdexcept>

#include "core/text/Messaggi.h"
#include "core/memory/PagineGrandi.h"
#include "gui/app/Aspetto.h"
#include "gui/app/Avvisi.h"
#include "gui/app/Controlli.h"
#include "gui/app/TestoQt.h"

namespace {

constexpr int kLarghezzaRiga = 1600;

// Every line in the same fixed-pitch font and colour, so that the columns line up.
class DisegnoRiga : public QStyledItemDelegate {
public:
    explicit DisegnoRiga(QObject* genitore)
        : QStyledItemDelegate(genitore), carattere_(Carattere("Courier New", 12)) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opzione,
               const QModelIndex& indice) const override {
        p->save();
        if (opzione.state & QStyle::State_Selected)
            p->fillRect(opzione.rect, QColor(0xA8, 0xD1, 0xF0));
        QString riga = indice.data(Qt::DisplayRole).toString();
        // A control character inside a field must not break the line when drawn.
        for (QChar& c : riga)
            if (c.unicode() < 32) c = QLatin1Char(' ');
        p->setFont(carattere_);
        p->setPen(Qt::black);
        p->drawText(opzione.rect.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, riga);
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return QSize(kLarghezzaRiga, QFontMetrics(carattere_).height() + 2);
    }

private:
    QFont carattere_;
};

}  // namespace

// --- ListaRisultati ---------------------------------------------------------------------------

// The lines of a list; the view asks only for those it draws.
class ModelloRighe : public QAbstractListModel {
public:
    explicit ModelloRighe(QObject* genitore)
        : QAbstractListModel(genitore), righe_(MemoriaPagineGrandi()) {}

    int rowCount(const QModelIndex& genitore) const override {
        return genitore.isValid() ? 0 : static_cast<int>(righe_.size());
    }
    QVariant data(const QModelIndex& indice, int ruolo) const override {
        if (ruolo != Qt::DisplayRole || !indice.isValid()) return {};
        const std::string_view r = righe_[static_cast<std::size_t>(indice.row())];
        return QString::fromUtf8(r.data(), static_cast<qsizetype>(r.size()));
    }
    const elenco::Righe& Righe() const { return righe_; }

    void Inserisci(elenco::Righe nuove) {
        if (nuove.empty()) return;
        beginResetModel();
        elenco::Inserisci(righe_, std::move(nuove));
        endResetModel();
    }
    void Svuota() {
        beginResetModel();
        righe_.Svuota();
        endResetModel();
    }

private:
    elenco::Righe righe_;
};

ListaRisultati::ListaRisultati(QWidget* genitore, const QString& nome, QRect r)
    : QListView(genitore), modello_(new ModelloRighe(this)) {
    setObjectName(nome);
    setGeometry(r);
    setFont(Carattere("Courier New", 12));
    setItemDelegate(new DisegnoRiga(this));
    setModel(modello_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    setPalette(pal);
}

elenco::Righe ListaRisultati::NuoveRighe() const { return elenco::Righe(MemoriaPagineGrandi()); }

void ListaRisultati::Aggiungi(elenco::Righe righe) { modello_->Inserisci(std::move(righe)); }

void ListaRisultati::Aggiungi(const std::vector<std::string>& righe) {
    elenco::Righe nuove = NuoveRighe();
    for (const auto& r : righe) nuove.Accoda(r);
    Aggiungi(std::move(nuove));
}

void ListaRisultati::clear() { modello_->Svuota(); }

int ListaRisultati::count() const { return modello_->rowCount(QModelIndex()); }

std::string_view ListaRisultati::Testo(int i) const {
    return modello_->Righe()[static_cast<std::size_t>(i)];
}

QString ListaRisultati::Riga(int i) const {
    const std::string_view r = Testo(i);
    return QString::fromUtf8(r.data(), static_cast<qsizetype>(r.size()));
}

QStringList ListaRisultati::Righe() const {
    QStringList r;
    r.reserve(count());
    for (int i = 0; i < count(); ++i) r.append(Riga(i));
    return r;
}

int ListaRisultati::Selezionata() const {
    const QModelIndexList scelti = selectionModel()->selectedIndexes();
    return scelti.isEmpty() ? -1 : scelti.first().row();
}

void ListaRisultati::Seleziona(int i) {
    const QModelIndex indice = modello_->index(i);
    setCurrentIndex(indice);
    selectionModel()->select(indice, QItemSelectionModel::ClearAndSelect);
    scrollTo(indice);
}

QRect ListaRisultati::RettangoloRiga(int i) const { return visualRect(modello_->index(i)); }

std::size_t ListaRisultati::Memoria() const { return modello_->Righe().Memoria(); }

void ListaRisultati::mouseDoubleClickEvent(QMouseEvent* e) {
    QListView::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton) emit DoppioClic();
}

// --- ElencoRisultati ----------------------------------------------------------------------------

ElencoRisultati::ElencoRisultati(ListaRisultati* lista, QLineEdit* txtTrova, std::string& ricordato)
    : QObject(lista), lista_(lista), txtTrova_(txtTrova), ricordato_(ricordato) {}

void ElencoRisultati::Trova() {
    try {
        if (lista_->count() == 0) {
            MostraMessaggio(lista_->window(), Q(messaggi::ListaVuota));
            return;
        }
        std::optional<std::size_t> selezionata;
        if (const int riga = lista_->Selezionata(); riga >= 0)
            selezionata = static_cast<std::size_t>(riga);
        const auto esito = elenco::TrovaNellaLista(
            static_cast<std::size_t>(lista_->count()),
            [this](std::size_t i) { return std::string(lista_->Testo(static_cast<int>(i))); },
            selezionata, S(txtTrova_->text()), ricordato_);
        if (esito.selezione) lista_->Seleziona(static_cast<int>(*esito.selezione));
    } catch (...) {
        // A find that goes wrong just finds nothing.
    }
}

void ElencoRisultati::Dimentica() {
    ricordato_.clear();
    txtTrova_->clear();
}

std::string ElencoRisultati::RigaScelta() const {
    const int riga = lista_->Selezionata();
    if (riga < 0) throw std::runtime_error("no line selected");
    return std::string(lista_->Testo(riga));
}

void ElencoRisultati::Stampa(QWidget* genitore, const QString& titolo,
                             const QStringList& aggiunte) {
    report::RiempiElenco(frxReport_, titolo, lista_->Righe() + aggiunte);
    report::StampaReport(frxReport_, genitore);
}

// --- PannelloRisultati
// ----------------------------------------------------------------------------

void PannelloRisultati::Costruisci(QWidget* pannello, std::string& ricordato, const QString& titolo,
                                   bool conConteggio) {
    const QFont testo = Carattere("Verdana", 9);
    const QFont pulsanti = Carattere("Verdana", 10);
    Etichetta(pannello, "lblRigo01",
              QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in "
                             "elenco da cercare e premere il pulsante Trova."),
              QPoint(16, 14), testo);
    Etichetta(pannello, "lblRigo02",
              QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave "
                             "di ricerca, fare di nuovo clic su Trova."),
              QPoint(16, 32), testo);
    txtTrova =
        CampoTesto(pannello, "txtTrova", QRect(16, 62, 700, 28), 0, Carattere("Verdana", 12, true));
    btnTrova = Pulsante(pannello, "btnTrova", "Trova", QRect(728, 60, 116, 32), pulsanti);
    lstRecords = new ListaRisultati(pannello, "lstRecords", QRect(16, 104, 828, 384));
    Etichetta(pannello, "lblRigo03",
              QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio "
                             "clic."),
              QPoint(16, 496), testo);
    if (conConteggio) {
        lblTrovate = Etichetta(pannello, "lblTrovate",
                               QStringLiteral("Il presente elenco contiene 0 schede."),
                               QPoint(16, 518), Carattere("Verdana", 10, true), QColor(0x80, 0, 0));
        lblTrovate->resize(600, lblTrovate->height());  // room for any count
    }
    btnStampa = Pulsante(pannello, "btnStampa", "Stampa", QRect(16, 552, 160, 34), pulsanti);
    btnChiudi = Pulsante(pannello, "btnChiudi", "Chiudi", QRect(684, 552, 160, 34), pulsanti);

    risultati = new ElencoRisultati(lstRecords, txtTrova, ricordato);
    InvioAlPulsante(txtTrova, btnTrova);
    QWidget::setTabOrder(txtTrova, btnTrova);
    QObject::connect(btnTrova, &QPushButton::clicked, risultati, &ElencoRisultati::Trova);
    QObject::connect(btnStampa, &QPushButton::clicked, risultati,
                     [e = risultati, titolo] { e->Stampa(e->Lista()->window(), titolo); });
    QObject::connect(btnChiudi, &QPushButton::clicked, pannello,
                     [pannello] { pannello->window()->close(); });
}
