// Registers the Support and About pages with the shell window.
#pragma once

class CShell;

void RegisterInfoPages(CShell& shell);
