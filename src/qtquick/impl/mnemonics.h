#pragma once

#include "quickimplglobal.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class tst_Mnemonics;

namespace Quilt
{
// Alt+letter shortcuts for labels. Every object of the process competes for
// letters through one table: each weighs the characters of its label, takes
// the best free letter and may take one from a lighter object, which then
// picks again. While Alt is held in the active window the label shows its
// letter underlined.
class QUILT_QUICK_EXPORT Mnemonics : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_ATTACHED(Mnemonics)
    QML_UNCREATABLE("Cannot create objects of type Mnemonics, use it as an attached property")

    Q_PROPERTY(QString label READ label WRITE setLabel NOTIFY labelChanged FINAL)
    Q_PROPERTY(QString richTextLabel READ richTextLabel NOTIFY richTextLabelChanged FINAL)
    Q_PROPERTY(QString mnemonicLabel READ mnemonicLabel NOTIFY mnemonicLabelChanged FINAL)
    Q_PROPERTY(QString plainTextLabel READ plainTextLabel NOTIFY plainTextLabelChanged FINAL)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged FINAL)
    Q_PROPERTY(ControlType controlType READ controlType WRITE setControlType NOTIFY controlTypeChanged FINAL)
    Q_PROPERTY(QKeySequence sequence READ sequence NOTIFY sequenceChanged FINAL)
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged FINAL)

public:
    enum ControlType
    {
        ActionElement = 0,
        DialogButton = 1,
        MenuItem = 2,
        FormLabel = 3,
        SecondaryControl = 4,
    };
    Q_ENUM(ControlType)

    explicit Mnemonics(QObject* parent = nullptr);
    ~Mnemonics() override;

    static Mnemonics* qmlAttachedProperties(QObject* object);

    QString label() const;
    void setLabel(const QString& label);
    QString richTextLabel() const;
    QString mnemonicLabel() const;
    QString plainTextLabel() const;
    bool enabled() const;
    void setEnabled(bool enabled);
    ControlType controlType() const;
    void setControlType(ControlType type);
    QKeySequence sequence() const;
    bool active() const;
    void setActive(bool active);

    // The object's weight: its type's base weight plus its best character's.
    int weight() const;

    // The label without its '&' markers ("&&" gives one ampersand) and without
    // a bracketed letter such as "(F)" at either end of a text that has one.
    static QString stripMnemonicMarkers(const QString& text);

Q_SIGNALS:
    void labelChanged();
    void enabledChanged();
    void sequenceChanged();
    void richTextLabelChanged();
    void mnemonicLabelChanged();
    void plainTextLabelChanged();
    void controlTypeChanged();
    void activeChanged();

private:
    friend class ::tst_Mnemonics;

    void computeWeights();
    void updateMnemonic(QKeySequence formerSequence);
    void onAltPressed();
    void onAltReleased();

    int m_weight = 0;
    int m_baseWeight = 0;
    ControlType m_controlType = SecondaryControl;
    // Candidate characters and their weights, heaviest last.
    QList<std::pair<int, QChar>> m_weights;
    QString m_label;
    QString m_richTextLabel;
    QString m_escapedLabel;
    QString m_activeRichTextLabel;
    QString m_mnemonicLabel;
    QKeySequence m_sequence;
    bool m_enabled = true;
    bool m_active = false;
};
} // namespace Quilt
