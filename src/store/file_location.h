#pragma once

#include <QString>

namespace md {

// The data folder is the working directory. Team files there are named by file name alone, as
// setting.ini and the open dialog have always named them; a file elsewhere by its absolute path.
QString team_file_name(const QString& path);

// The folder of the team file at path (absolute, or relative to the data folder) when it is not the
// data folder; empty when it is, or when path is empty.
QString folder_outside_data_folder(const QString& path);

}  // namespace md
