#pragma once
// The one place where C++ exceptions stop. The window and dialog procedures and the program
// entry run their bodies through RunGuarded, so no exception unwinds into system code.

#include <exception>

#include "framework/file_exception.h"

namespace framework {

// Message boxes for a caught error. While one is up, further errors are only traced, so a
// failing paint handler cannot stack up boxes.
void ReportFileError(const CFileException& error) noexcept;
void ReportUnexpectedError(const char* what) noexcept;

// Runs body; false when it threw, after the user has been told.
template <class Body>
bool RunGuarded(Body&& body) noexcept
{
    try {
        body();
        return true;
    } catch (const CFileException& error) {
        ReportFileError(error);
    } catch (const std::exception& error) {
        ReportUnexpectedError(error.what());
    } catch (...) {
        ReportUnexpectedError(nullptr);
    }
    return false;
}

}  // namespace framework
