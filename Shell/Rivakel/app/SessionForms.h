// The form pages and the mailing box of the shell window, reaching the application object, the
// store and the outbox.
#pragma once

struct ShellConfig;

// Adds the form pages to the pages the shell window registers.
void AddFormPagesToShellConfig(ShellConfig& config);
