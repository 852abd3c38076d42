/* The command ids that the framework itself understands, as plain defines
   so that the programs' resource scripts can name them too. */
#ifndef QV_FRAMEWORK_FRAMEWORK_IDS_H
#define QV_FRAMEWORK_FRAMEWORK_IDS_H

/* The application-exit command: closes the main window. */
#define ID_APP_EXIT 57665

#endif
