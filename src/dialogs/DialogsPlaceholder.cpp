// The dialog library is never empty, whatever dialogs a build holds.
namespace { [[maybe_unused]] const int dialogsLibrary = 0; }
