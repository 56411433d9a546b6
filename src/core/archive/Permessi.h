#pragma once
// Who may read the files the program makes. The installed program's data folder holds
// codici fiscali, IBANs and card numbers: from its start on, every folder and file this
// process creates is its user's alone (0700, 0600): archives, journals, exports, calendars,
// attachment copies, the password file, PDFs. A portable folder may be a drive several
// people share on purpose: there new files follow the user's umask. Either way a file
// replaced whole keeps the mode of the one it replaces (FileIntero).
namespace permessi {

// Decided once at start, for the whole process, where the data folder is chosen.
void SoloProprietario();

}  // namespace permessi
