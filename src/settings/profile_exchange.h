#pragma once

class Dialogs;
class ProfileStore;

// Export, import and reset of whole profile files. The exchanged file (normally *.pf) is a
// byte copy of a profile file; nothing is converted or checked. No message is ever shown.
class ProfileExchange {
public:
    ProfileExchange(ProfileStore &store, Dialogs *dialogs) : m_store(store), m_dialogs(dialogs) {}

    // Each ignores an index outside 0..9 and a cancelled dialog; a copy that fails leaves
    // every file as it was.
    void saveProfile(int profile);
    void loadProfile(int profile);
    void resetProfile(int profile);

private:
    ProfileStore &m_store;
    Dialogs *m_dialogs;
};
