#pragma once

#include <string>

// The user's folder for application data, without a trailing separator: the folder that holds the
// save folder. out is left as it was when there is none.
void GetAppDataFolder(std::string& out);
