#pragma once
// Where the program keeps what it writes. Run from a folder of its own (the build's
// output, an unpacked copy) it keeps Blocks, Эскизы, Instrument and Temp beside the
// executable, as it always did. Installed for everybody (a folder the user cannot write,
// or one the installation marked so) it keeps them in the user's data folder
// ($XDG_DATA_HOME/verigraf, by default ~/.local/share/verigraf), and the blocks,
// instruments and sketches that ship with the program are copied there the first time;
// what the user changed there is never overwritten.

#include <QString>

// The file an installation puts beside the executable to send the written folders to
// the user's data folder, also for a user who could write beside the program.
inline constexpr char SharedInstallationMark[] = "shared-installation";

// The user's data folder of the program.
QString UserDataFolder();

// True when the written folders belong in the user's data folder.
bool KeepsUserFoldersApart(const QString& appDir);

// Makes the four written folders where the folder strings point (see Folders.h); a
// folder made in the user's data folder is given the files the installation ships in
// its folder of the same name. A failure shows up when the folder is used.
void MakeWrittenFolders();
