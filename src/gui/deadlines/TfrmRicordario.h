#pragma once
// The deadline card: one card of the chosen year's archive at a time. Creates, duplicates,
// saves and browses cards, imports a contact's data, checks the tax code, previews and
// prints the card. What it knows lives in its controls: the archive's path in lblFile, the
// record number in lblPosizione.
#include <QCheckBox>
#include <QComboBox>
#include <cstdint>
#include <filesystem>

#include "core/deadlines/RegoleScadenza.h"
#include "core/deadlines/TSchedaScadenza.h"
#include "gui/app/Convenzioni.h"
#include "gui/reports/Report.h"

class TfrmRicordario : public FinestraIntera {
    Q_OBJECT
public:
    TfrmRicordario();

    // State labels.
    QLabel* lblFile;       // hidden: full path of the year archive
    QLabel* lblPosizione;  // record number, empty for a card never stored
    QLabel* lblAnno;
    QLabel* lblData;  // hidden
    QLabel* lblOra;   // hidden

    // Fields, in screen order.
    QComboBox* txtGiorno;
    QComboBox* txtMese;
    QComboBox* txtOreApp;
    QComboBox* txtMinutiApp;
    QLineEdit* txtAvviso;
    QLineEdit* txtBeneficiario;
    QLineEdit* txtDettagli;
    QLineEdit* txtOfficina;
    QLineEdit* txtCosto;
    QLineEdit* txtContatto;
    QLineEdit* txtPagatore;
    QLineEdit* txtCodFisc;
    QLineEdit* txtNumTessera;
    QLineEdit* txtCarica;
    QLineEdit* txtTelCel;
    QLineEdit* txtRecapito;
    QLineEdit* txtAnticipi;
    QLineEdit* txtComplessivo;
    QLineEdit* txtRateazione;
    QCheckBox* chkDaConfermare;
    QLineEdit* txtNote;
    QCheckBox* chkEffettuata;

    QLabel* panInfo;

    // Commands.
    Immagine* cmdNuovo;
    Immagine* cmdDuplica;
    Immagine* cmdSalva;
    Immagine* cmdTrova;
    Immagine* cmdImporta;
    Immagine* cmdStampa;
    Immagine* cmdEsporta;
    Immagine* cmdDaConfermare;
    Immagine* cmdDaEffettuare;
    Immagine* cmdEffettuate;
    Immagine* cmdGuida;
    Immagine* cmdEsci;
    Immagine* cmdPrimo;
    Immagine* cmdIndietro;
    Immagine* cmdAvanti;
    Immagine* cmdUltimo;
    Immagine* impPag;
    Immagine* btnCodFisc;

    void cmdNuovoClick() { PulisciScheda(); }
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdImportaClick();
    void cmdStampaClick();
    void cmdDaConfermareClick();
    void cmdDaEffettuareClick();
    void cmdEffettuateClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick() { close(); }
    void cmdPrimoClick() { Naviga(scadenza::Navigazione::Primo); }
    void cmdIndietroClick() { Naviga(scadenza::Navigazione::Indietro); }
    void cmdAvantiClick() { Naviga(scadenza::Navigazione::Avanti); }
    void cmdUltimoClick() { Naviga(scadenza::Navigazione::Ultimo); }
    void impPagClick();
    void btnCodFiscClick();

    // Card reset: an empty new card, the focus on the day.
    void PulisciScheda();
    // Puts a record on the card as record number `posizione` (browsing here; the search and
    // the status lists when the user picks a record).
    void MostraScheda(const TSchedaScadenza& scheda, std::int64_t posizione);
    // The card as it stands: Anno from lblAnno, the two flags from the check boxes.
    TSchedaScadenza ComponiScheda() const;
    // The card template filled from the controls as they stand (the card need not be saved).
    report::Modello SchedaDaStampare() const;

protected:
    void FormShow() override { PulisciScheda(); }

private:
    void CreaCampi(QWidget* p);
    void CreaComandi(QWidget* p);
    void Naviga(scadenza::Navigazione comando);
    void SvuotaDataOra();
    void txtCostoExit();
    void ErroreAccesso();
    std::filesystem::path PercorsoArchivio() const;

    // The control of each record field, in file order.
    std::array<QWidget*, scadenza::ControlliScheda.size()> controlli_{};
    RigaStato* stato_ = nullptr;
};
