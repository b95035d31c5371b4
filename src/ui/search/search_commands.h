#pragma once
// The main-window commands of the person search and the transfer dialogs: "Spieler suchen",
// "Schnelle Transfers", "Nationalmannschaften" and "Spielervergleich".

namespace torvale {

class EditorCommandRegistry;

void RegisterSearchCommands(EditorCommandRegistry& registry);

}  // namespace torvale
