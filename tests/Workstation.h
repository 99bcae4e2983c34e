#pragma once
// A workstation in the tests of several workstations on one database: its own
// data module and the values its windows hand to each other, one made the
// acting one at a time.
#include "TestSupport.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include <memory>

namespace testsupport {

// What one workstation's windows hand to each other.
struct SharedValues {
    QString entryMode, lastCompartment, currentCompartment;
    QList<shared::EditorState> editors;
    QString pickerGroup, pickerValue, rememberedCode, codeEditorMode;

    static QList<shared::EditorState *> editorStates()
    {
        return {&shared::stand, &shared::felling, &shared::treeUse, &shared::afforestation,
                &shared::otherChange, &shared::afforestationChange, &shared::works};
    }
    void capture()
    {
        entryMode = shared::compartmentEntryMode;
        lastCompartment = shared::lastCompartmentCode;
        currentCompartment = shared::currentCompartmentCode;
        editors.clear();
        for (shared::EditorState *e : editorStates())
            editors << *e;
        pickerGroup = shared::pickerGroup;
        pickerValue = shared::pickerValue;
        rememberedCode = shared::rememberedCode;
        codeEditorMode = shared::codeEditorMode;
    }
    void apply() const
    {
        shared::compartmentEntryMode = entryMode;
        shared::lastCompartmentCode = lastCompartment;
        shared::currentCompartmentCode = currentCompartment;
        const auto states = editorStates();
        for (int i = 0; i < states.size(); ++i)
            *states[i] = editors.value(i);
        shared::pickerGroup = pickerGroup;
        shared::pickerValue = pickerValue;
        shared::rememberedCode = rememberedCode;
        shared::codeEditorMode = codeEditorMode;
    }
};

// One workstation: its own data module on the server and its own shared
// values; use() makes its windows the ones that act.
class Workstation {
public:
    Workstation()
    {
        m_data = std::make_unique<TData>();
        m_data->connectDatabase();
        if (s_active)
            s_active->m_values.capture();
        shared::resetAll();
        s_active = this;
    }
    ~Workstation()
    {
        if (s_active == this)
            s_active = nullptr;
    }
    TData &data() { return *m_data; }
    void use()
    {
        if (s_active == this)
            return;
        if (s_active)
            s_active->m_values.capture();
        m_values.apply();
        m_data->makeCurrent();
        s_active = this;
    }
    // The program ends without a word: the connection goes, nothing is tidied.
    void crash() { m_data.reset(); }
    QString scalar(const QString &sql) { return testsupport::scalar(m_data.get(), sql); }
    // Runs a statement in the workstation's open transaction, left uncommitted.
    void holdUncommitted(const QString &sql)
    {
        if (!m_data->inTransaction())
            m_data->startTransaction();
        TQuery q(m_data.get(), QStringLiteral("TestHold"));
        q.load({sql});
        q.execute();
    }

private:
    std::unique_ptr<TData> m_data;
    SharedValues m_values;
    static inline Workstation *s_active = nullptr;
};

} // namespace testsupport
