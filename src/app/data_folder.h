#pragma once

#include <QString>

namespace kl {

// The data folder holds setting.ini and the team files, which the program names relative to it: it
// is the program's working directory.

// ~/Kickledger.
QString default_data_folder();

// Makes folder the working directory, creating it first when it is missing. False when it cannot.
bool enter_data_folder(const QString& folder);

}  // namespace kl
