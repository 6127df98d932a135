# The layers of src/, lowest first: each folder, and the layers below it that its files may
# include (those layers' own lower layers come with them). A file belongs to the longest
# folder listed that holds it; an include of a file in a layer that its layer does not
# reach fails the build (cmake/CheckLayers.cmake). Folders that do not exist yet keep
# their place, so the user-interface layers are checked from their first file.
parental_layer(res)                                 # dialog templates' control ids
parental_layer(common)
parental_layer(res)                                 # resource ids, shared with the resource scripts
parental_layer(platform       USES common)
parental_layer(store          USES platform)
parental_layer(profiles       USES store)           # configuration addressing
parental_layer(items          USES profiles)        # exported configuration items
parental_layer(frame/protocol USES items)           # records, process state, main requests
parental_layer(frame/templates USES frame/protocol) # the objects the host drives
parental_layer(frame/app      USES frame/templates) # the application, software probes
parental_layer(parental       USES frame/templates) # the configuration model
parental_layer(markup         USES common)          # the mark-up engine stands beside the rest
parental_layer(markup/win     USES markup)
parental_layer(win            USES frame/app markup/win)
parental_layer(ui             USES win parental res)
parental_layer(frame/plugin   USES ui frame/app)    # the plug-in object and the entry points
