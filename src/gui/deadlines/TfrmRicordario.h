#pragma once
// The deadline card: one card of the chosen year's archive at a time. Creates, duplicates,
// saves and browses cards, imports a contact's data, checks the tax code, previews and
// prints the card. It works on the year it was given (ImpostaAnno); its labels only show
// that year, the archive's path and the record number.
#include <QCheckBox>
#include <QComboBox>

#include "core/deadlines/TArchivioScadenze.h"
#include "gui/app/FinestraArchivio.h"
#include "gui/reports/Report.h"

class TfrmRicordario : public FinestraArchivio<TArchivioScadenze> {
    Q_OBJECT
public:
    TfrmRicordario();

    // The year the card works on and its archive: the labels and the caption show them.
    void ImpostaAnno(int anno, std::filesystem::path file);
    int Anno() const { return anno_; }
    const std::filesystem::path& FileAnno() const { return file_; }

    // Labels (lblPosizione is the card's, as on every card).
    QLabel* lblFile;  // hidden: full path of the year archive
    QLabel* lblAnno;  // the year, also the record's Anno field
    QLabel* lblData;  // hidden: the record's Data field, made by Salva
    QLabel* lblOra;   // hidden: the record's Ora field, made by Salva

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

    // Commands (the four arrows are the card's, FinestraScheda).
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
    Immagine* impPag;
    Immagine* btnCodFisc;

    // Nuovo, Duplica, Salva, the arrows and Esci are the card's (FinestraScheda).
    void cmdTrovaClick();
    void cmdImportaClick();
    void cmdStampaClick();
    void cmdDaConfermareClick();
    void cmdDaEffettuareClick();
    void cmdEffettuateClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void impPagClick();
    void btnCodFiscClick();

    // The card template filled from the controls as they stand (the card need not be saved).
    report::Modello SchedaDaStampare() const;

protected:
    // The year archive given by ImpostaAnno.
    std::filesystem::path PercorsoArchivio() const override { return file_; }

private:
    void CreaCampi(QWidget* p);
    void CreaComandi();
    void txtCostoExit();

    int anno_ = 0;
    std::filesystem::path file_;
};
