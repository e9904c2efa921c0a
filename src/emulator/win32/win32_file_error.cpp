#include "emulator/win32/win32_file_error.h"

namespace emulator::win32 {

FileError ToFileError(DWORD code)
{
    FileError::Kind kind = FileError::Kind::Other;
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        kind = FileError::Kind::NotFound;
        break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        kind = FileError::Kind::InUse;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        kind = FileError::Kind::AccessDenied;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        kind = FileError::Kind::DiskFull;
        break;
    default:
        break;
    }
    return FileError{kind, static_cast<std::uint32_t>(code ? code : ERROR_GEN_FAILURE)};
}

}  // namespace emulator::win32
