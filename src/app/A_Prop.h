#pragma once

#include <QDialog>

namespace palmora {

// The About window: name and version, how to get help, the author's message.
class A_Prop : public QDialog {
    Q_OBJECT
public:
    // `e1`: the message built at start-up.
    A_Prop(const QString& e1, QWidget* parent = nullptr);
};

} // namespace palmora
