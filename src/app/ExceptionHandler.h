#pragma once
// What happens to an exception that escapes a command: running out of memory ends the
// program, after the sketch has been put in safety; anything else is dropped without a
// word, abandoning the command where it failed.

#include <exception>
#include <string>

class TGloblaExceptionHandler {
  public:
    virtual ~TGloblaExceptionHandler() = default;

    // Called with the exception that reached the application.
    void HandleException(std::exception_ptr error);

    // The exit code of a program ended for lack of memory.
    static constexpr int OutOfMemoryExitCode = 3;

  protected:
    // Writes the sketch into the Temp folder, tells the user where it went and ends the
    // program. Tests may replace the ending.
    virtual void OutOfMemory();
    virtual void EndProgram();
};

// Writes the current sketch as a compressed sketch file into TempDir under a name made
// of the time. Answers the path, or an empty string when there was no sketch or it
// could not be written.
std::string SaveSketchForRescue();
