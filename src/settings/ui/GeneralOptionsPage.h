#pragma once

#include <QStringList>
#include <QWidget>

struct OptionFormPorts;
class QCheckBox;
class QListWidget;
class QPushButton;

// The options window's "General" page: the play options, applied together by
// Accept, and the list of file types the plug-ins play with the ones that
// open with this player ticked.
class GeneralOptionsPage : public QWidget {
    Q_OBJECT
public:
    GeneralOptionsPage(const OptionFormPorts& ports, QWidget* parent = nullptr);

    // Sets the check boxes from the settings.
    void Fill();
    // Writes the check boxes into the settings (always on top at once).
    void Apply();

    // Lists the plug-ins' file types again, ticked when associated.
    void RebuildAssociations();
    // "Select All": ticks every row.
    void SelectAll();
    // "Change Associate": associates the ticked rows and releases the others.
    void ChangeAssociate();

    QCheckBox* AlwaysTopCheckBox() const { return alwaysTop_; }
    QCheckBox* AutoPlayCheckBox() const { return autoPlay_; }
    QCheckBox* CheckAccCheckBox() const { return checkAcc_; }
    QCheckBox* PlayImmCheckBox() const { return playImm_; }
    QCheckBox* PromptLrcCheckBox() const { return promptLrc_; }
    QCheckBox* NotifyCheckBox() const { return notify_; }
    QListWidget* CheckListBox() const { return list_; }

    // The extensions (".mp3") in a file-type text ("*.mp3;*.ogg;"), each once.
    static QStringList ExtensionsOf(const QString& fileTypes);

signals:
    // The user clicked one of the check boxes.
    void changed();

private:
    QCheckBox* addBox(const char* name, const QString& caption);

    const OptionFormPorts& ports_;
    QList<QCheckBox*> boxes_;
    QCheckBox* alwaysTop_ = nullptr;
    QCheckBox* autoPlay_ = nullptr;
    QCheckBox* checkAcc_ = nullptr;
    QCheckBox* playImm_ = nullptr;
    QCheckBox* promptLrc_ = nullptr;
    QCheckBox* notify_ = nullptr;
    QListWidget* list_ = nullptr;
};
