/* Quorvex version numbers and names, for the .rc files (windres) and C++.
   Plain macros only: the resource compiler's preprocessor sees this file too.
   When the version changes, change assemblyIdentity's version in app.manifest
   as well (test_version.py checks they agree). */
#ifndef QVX_VERSION_H
#define QVX_VERSION_H

#define QVX_VERSION_MAJOR 1
#define QVX_VERSION_MINOR 1
#define QVX_VERSION_REVISION 4

#define QVX_FILE_VERSION_STR "1.01.0004"
#define QVX_PRODUCT_VERSION_STR "1.1.4"

#define QVX_PRODUCT_NAME "Quorvex"
#define QVX_COMPANY_NAME "Quorvex"
#define QVX_COPYRIGHT_STR "Copyright (C) 2026 Quorvex"

#endif
