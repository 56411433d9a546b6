#include "core/archive/Permessi.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace permessi {

// The process's file creation mask, so that every place that creates a file or a folder
// (the archive layer, the whole-file writer, the folders, and the toolkit's own writers such
// as the PDF one) gets no group or other bits without each place having to ask.
void SoloProprietario() {
#ifndef _WIN32
    ::umask(077);
#endif
}

}  // namespace permessi
