#include "forms/SettingsSave.h"

#include "controls/MessageService.h"

namespace quillon {

void saveSettingsRow(const QString &path, bool stored,
                     const std::function<bool(tax::SettingsStore &)> &write,
                     MessageService &messages, QWidget *parent) {
    const QString title = QStringLiteral("Setup");
    if (!stored) {
        messages.inform(parent,
                        QStringLiteral("The saved settings could not be read, so these are used "
                                       "in this window only and the saved ones are kept."),
                        title, MessageService::Icon::Warning);
        return;
    }
    tax::SettingsStore store(path);
    if (!write(store))
        messages.inform(parent,
                        QStringLiteral("The settings could not be saved, so they are used in this "
                                       "window only until it is closed.\n\n") +
                            store.lastError(),
                        title, MessageService::Icon::Warning);
}

} // namespace quillon
