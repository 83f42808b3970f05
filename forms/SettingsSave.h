#pragma once

#include "taxengine/SettingsStore.h"

#include <functional>

class QString;
class QWidget;

namespace quillon {

class MessageService;

// "O&K" of a settings panel: writes the panel's part of the Setup row, or tells the user why the
// figures stay in the window only. A row that could not be read is never written: the panel then
// holds the delivered figures, and saving them would put them over the user's own.
void saveSettingsRow(const QString &path, bool stored,
                     const std::function<bool(tax::SettingsStore &)> &write,
                     MessageService &messages, QWidget *parent);

} // namespace quillon
