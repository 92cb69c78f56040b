# SPDX-License-Identifier: GPL-3.0-or-later
# Included by the packaging of a build that carries its corresponding source (Windows, the
# web): the target archive_source makes ${archive_source}, named after ${nom}.
# The sources this build is made from, as they stand (no .git, no build folders).
set(archive_source ${CMAKE_CURRENT_BINARY_DIR}/${nom}-source.tar.gz)
get_filename_component(dossier_source ${PROJECT_SOURCE_DIR} NAME)
add_custom_target(archive_source BYPRODUCTS ${archive_source}
  COMMAND tar -C ${PROJECT_SOURCE_DIR}/.. --exclude=.git --exclude=build* --exclude=*.user
          --sort=name --transform=s,^${dossier_source},${nom}, -czf ${archive_source}
          ${dossier_source}
  COMMENT "Archiving the corresponding source")
