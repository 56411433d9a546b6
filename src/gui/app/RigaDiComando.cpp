#include "gui/app/RigaDiComando.h"

#include <QCoreApplication>
#include <iostream>
#include <stdexcept>

#include "core/archive/FileIntero.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/export/Calendario.h"
#include "gui/app/Notifica.h"
#include "gui/app/Piattaforma.h"

namespace riga_di_comando {
namespace {

constexpr const char* kAvvisi = "--avvisi";
constexpr const char* kCalendario = "--calendario";

std::string Nativo(const std::filesystem::path& p) {
    return QString::fromStdU16String(p.u16string()).toStdString();
}

void ArchivioIlleggibile(std::ostream& err, const std::filesystem::path& file,
                         const std::exception& e) {
    err << "Ricordario: impossibile leggere l'archivio " << Nativo(file) << " (" << e.what()
        << ").\n";
}

int Uso(std::ostream& err) {
    err << "Uso: Ricordario --avvisi\n"
           "     Ricordario --calendario ANNO\n";
    return 2;
}

}  // namespace

bool Richiesta(int argc, char** argv) {
    if (argc < 2) return false;
    const QString primo = QString::fromLocal8Bit(argv[1]);
    return primo == kAvvisi || primo == kCalendario;
}

int Avvisi(const avvisi::RegolaImminenza& imminente, const QDBusConnection& bus,
           std::ostream& out, std::ostream& err) {
    const Data oggi = Oggi();
    const std::filesystem::path cartella = PercorsoProgramma(QString());
    const auto file = TArchivioScadenze::Percorso(cartella, oggi.anno);
    if (!imminente) {
        err << "Ricordario: la regola delle scadenze imminenti non è collegata.\n";
        return 1;
    }
    // A record the rule passes over only because its date or warning days cannot be read
    // is one the warning could not read: counted and said below.
    const auto giudicata = [&](const VistaScheda<TSchedaScadenza>& s, const Data& giorno) {
        if (imminente(s, giorno)) return true;
        if (!avvisi::Valutabile(s)) throw std::invalid_argument("date or warning unreadable");
        return false;
    };
    avvisi::Imminenti trovate;
    try {
        trovate = avvisi::CercaImminenti(cartella, oggi, giudicata);
    } catch (const std::exception& e) {
        ArchivioIlleggibile(err, file, e);
        return 1;
    }
    for (const auto& s : trovate.schede) out << avvisi::RigaElenco(s) << '\n';
    out.flush();
    if (trovate.saltate > 0)
        err << "Ricordario: " << trovate.saltate
            << " schede con data o preavviso non validi non sono state valutate.\n";
    if (!trovate.schede.empty())
        notifica::Invia(bus, QString::fromStdString(avvisi::TitoloNotifica(trovate.schede.size())),
                        QString::fromStdString(avvisi::CorpoNotifica(trovate.schede)));
    return 0;
}

int Calendario(const QString& testoAnno, std::ostream& out, std::ostream& err) {
    bool numero = false;
    const int anno = testoAnno.toInt(&numero);
    if (!numero || testoAnno.size() != 4 || anno < 1) return Uso(err);
    PreparaCartellaProgramma();
    const std::filesystem::path cartella = PercorsoProgramma(QString());
    const auto archivio = TArchivioScadenze::Percorso(cartella, anno);
    std::vector<TSchedaScadenza> schede;
    try {
        schede = LeggiScadenzeSenzaCreare(archivio);
    } catch (const std::exception& e) {
        ArchivioIlleggibile(err, archivio, e);
        return 1;
    }
    const auto file = cartella / calendario::NomeFile(anno);
    try {
        const auto esito = calendario::ScriviCalendario(
            schede, anno, cartella, piattaforma().Adesso().toSecsSinceEpoch());
        out << Nativo(file) << ": " << esito.eventi
            << (esito.eventi == 1 ? " scadenza esportata.\n" : " scadenze esportate.\n");
        if (esito.saltate > 0) out << calendario::SchedeSaltate(esito.saltate) << '\n';
    } catch (const std::exception& e) {
        err << "Ricordario: impossibile scrivere " << Nativo(file) << " (" << e.what() << ").\n";
        return 1;
    }
    return 0;
}

int Esegui(int argc, char** argv, const avvisi::RegolaImminenza& imminente) {
    QCoreApplication app(argc, argv);
    app.setApplicationName("Ricordario");
    const QStringList argomenti = app.arguments().mid(1);
    if (argomenti == QStringList{kAvvisi})
        return Avvisi(imminente, QDBusConnection::sessionBus(), std::cout, std::cerr);
    if (argomenti.size() == 2 && argomenti[0] == kCalendario)
        return Calendario(argomenti[1], std::cout, std::cerr);
    return Uso(std::cerr);
}

}  // namespace riga_di_comando
