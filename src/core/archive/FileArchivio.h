#pragma once
// The file layer under every archive: positioned reads and writes on one open file, and
// the few folder operations a save needs (a journal created beside the archive, then
// removed). Interfaces, so that tests can put a failing or read-only layer underneath.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

// Any failure to open, create, position, read, write or close an archive file.
class ErroreAccessoArchivio : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Another program holds the archive (a save under way, or a long read) and did not let go
// within the wait: nothing was read or written, and the user can try again. The message is
// the one the user sees; it names the archive.
class ErroreArchivioInUso : public ErroreAccessoArchivio {
public:
    explicit ErroreArchivioInUso(const std::filesystem::path& archivio);
};

// Commands that only read open for reading: an archive on a read-only medium, or one the
// user may only read, can still be browsed and searched.
enum class Accesso { LetturaScrittura, SolaLettura };

class FileArchivio {
public:
    virtual ~FileArchivio() = default;
    virtual std::uint64_t Lunghezza() = 0;
    // Reads up to n bytes at offset; returns how many were read (short only at the end).
    virtual std::size_t Leggi(std::uint64_t offset, void* dati, std::size_t n) = 0;
    // Writes exactly n bytes at offset, or throws.
    virtual void Scrivi(std::uint64_t offset, const void* dati, std::size_t n) = 0;
    // Forces what was written onto the disk: once it returns, a power cut loses none of it.
    // A layer held in memory has nothing to force.
    virtual void Sincronizza() {}
    virtual void Chiudi() = 0;

    // Advisory locks between processes, each on one byte, held by this open file and let go
    // when it closes or its process dies. Tries once, without waiting: false while another
    // open file holds a lock in the way. Taking a lock already held changes its kind. A
    // layer no other process can see (one held in memory) always has it.
    enum class Blocco { Condiviso, Esclusivo };
    virtual bool ProvaBlocco(std::uint64_t /*byte*/, Blocco /*tipo*/) { return true; }
    virtual void Sblocca(std::uint64_t /*byte*/) {}
};

// How processes share an archive. A save holds the archive exclusively from its opening
// (where it decides whether to put back a journal and where to write) until the file is
// closed, after its bytes are on the disk; every reading holds it shared, so it never sees
// half a record and never takes a live save's journal for a crash's. A save waiting for the
// readers to finish keeps new readers out meanwhile, so a stream of readers cannot starve it.
// The locks lie on bytes far past any archive's end: never data, so systems whose locks
// also stop reads and writes (SMB shares) still let the records through.
namespace blocchi {

// How long an opening waits for another program before giving up with ErroreArchivioInUso.
std::chrono::milliseconds Attesa();
void ImpostaAttesa(std::chrono::milliseconds attesa);

// Takes the lock of `tipo` on `file`, which stands at `archivio`, waiting at most Attesa().
// The exclusive lock needs a file open for writing.
void Blocca(FileArchivio& file, const std::filesystem::path& archivio, FileArchivio::Blocco tipo);

}  // namespace blocchi

// The files and folder entries an archive works with.
class StratoFile {
public:
    virtual ~StratoFile() = default;
    // Opens an existing file; creates it empty only when nothing is there, also for reading
    // (a missing archive is created by the first command that opens it), and forces the new
    // entry onto the disk. An existing file that cannot be opened is never replaced or
    // truncated. With SolaLettura every write is refused.
    virtual std::unique_ptr<FileArchivio> Apri(const std::filesystem::path& percorso,
                                               Accesso accesso) = 0;
    // Opens an existing file for reading; nothing when no file is there.
    virtual std::unique_ptr<FileArchivio> ApriSeEsiste(const std::filesystem::path& percorso) = 0;
    // Creates a new empty file for writing; fails when anything already stands at the path
    // (a file, a folder or a link, which is never followed).
    virtual std::unique_ptr<FileArchivio> Crea(const std::filesystem::path& percorso) = 0;
    virtual void Rimuovi(const std::filesystem::path& percorso) = 0;
    // Forces the folder's entries (files created or removed in it) onto the disk.
    virtual void SincronizzaCartella(const std::filesystem::path& cartella) = 0;
};

// The real file system.
StratoFile& StratoStandard();

// Opens an archive file on the real file system, as StratoStandard().Apri does.
std::unique_ptr<FileArchivio> ApriFileArchivio(const std::filesystem::path& percorso,
                                               Accesso accesso = Accesso::LetturaScrittura);

// Overwriting part of an archive all or nothing. The old bytes go first to a rollback
// journal beside the archive and are forced onto the disk; then the new bytes are written
// in place and forced; then the journal is removed. A failure on the way puts the old bytes
// back at once; a crash leaves the journal, and the next opening of the archive puts them
// back. Either way the archive holds the old bytes or the new ones, never a mix.
namespace giornale {

// The journal of an archive: its path with ".giornale" added.
std::filesystem::path Percorso(const std::filesystem::path& archivio);

// Opens the archive, locked as `accesso` asks (blocchi), after putting back whatever an
// interrupted overwrite left in its journal: a journal found under the lock is a crash's,
// since a live save holds the archive exclusively until its journal is gone. A journal that was never completed is dropped: the archive was not touched
// before its journal was whole on the disk. Opening for reading on a medium that cannot
// be written still shows the old bytes, read from the journal.
std::unique_ptr<FileArchivio> ApriArchivio(StratoFile& strato,
                                           const std::filesystem::path& archivio,
                                           Accesso accesso);

// Opens an existing archive for reading, locked shared, without writing anything, not even the putting
// back of an interrupted overwrite: the old bytes its journal holds are read in their place.
// Nothing when no archive is there; nothing is created.
std::unique_ptr<FileArchivio> ApriSenzaScrivere(StratoFile& strato,
                                                const std::filesystem::path& archivio);

// Overwrites n bytes at offset of the open archive `file`, which stands at `archivio`, as
// described above; returns only once the new bytes are on the disk. The bytes must lie
// within the file. Throws ErroreAccessoArchivio.
void Sovrascrivi(StratoFile& strato, const std::filesystem::path& archivio, FileArchivio& file,
                 std::uint64_t offset, const void* nuovi, std::size_t n);

}  // namespace giornale
