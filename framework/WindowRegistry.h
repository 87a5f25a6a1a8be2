#pragma once
// For the framework's run: every open window, and every closed one still
// waiting for its deferred deletion, is freed now, without Close events.
void DiscardAllWindows();
